#include "common/ui/UiText.h"

#include "text/Cp1251.h"
#include "text/MultiLanguage.h"

QString fnQString(const std::string& cp1251)
{
    const std::u16string wide = fnCp1251ToUtf16(cp1251);
    return QString::fromStdU16String(wide);
}

QString fnText(std::uint32_t id) { return fnQString(fnGetText(id, 1)); }
