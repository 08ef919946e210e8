// UI layer. The one place where catalogue bytes (Windows-1251) become Qt
// strings; pages name their texts (fnText(TextId::Close)).
#pragma once

#include "text/TextIds.h"

#include <QString>
#include <cstdint>
#include <string>

QString fnQString(const std::string& cp1251);
// Catalogue text ready to show.
QString fnText(std::uint32_t id);
