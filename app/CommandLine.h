// UI layer. What the command line asks for before a window opens: --help,
// --version, the interface language (--lang ru | en), or a mistake; and the
// language the system's own interface languages choose.
#pragma once

#include "text/MultiLanguage.h"

#include <QStringList>

#include <optional>
#include <string>

struct TCommandLine {
    enum class TAction { Run, Help, Version, Error };
    TAction action = TAction::Run;
    std::optional<TLanguage> language; // --lang, when given
    std::string error;                 // one line, for TAction::Error
};

// Reads the arguments the program knows; every other one is left to Qt.
TCommandLine fnParseCommandLine(int argc, const char* const argv[]);

// Russian when the first of the system's interface languages is a Russian
// one ("ru", "ru-RU", "ru_RU" ...), English otherwise.
TLanguage fnSystemLanguage(const QStringList& uiLanguages);

// The usage text of --help.
extern const char* const kUsage;
