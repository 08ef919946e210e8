#include "app/CommandLine.h"

#include <string_view>

const char* const kUsage = "Usage: quillfern [--help | --version] [--lang ru|en] [Qt options]\n"
                           "\n"
                           "Engineering calculator for radio amateurs: mains transformers, coils,\n"
                           "component markings, passive filters, LC ladder filters and everyday\n"
                           "formulas, in one window. It reads and writes no files.\n"
                           "\n"
                           "  -h, --help      show this help and exit\n"
                           "  --version       show the version and exit\n"
                           "  --lang ru|en    the interface in Russian or English; without it, Russian\n"
                           "                  when the desktop's first interface language is Russian,\n"
                           "                  English otherwise\n"
                           "\n"
                           "Numbers follow the desktop's own number format whatever the language.\n"
                           "Any other argument is left to Qt (for example -platform or -style).\n";

namespace {

std::optional<TLanguage> fnLanguageNamed(std::string_view name)
{
    if (name == "ru")
        return TLanguage::Russian;
    if (name == "en")
        return TLanguage::English;
    return std::nullopt;
}

} // namespace

TCommandLine fnParseCommandLine(int argc, const char* const argv[])
{
    TCommandLine line;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--version" || arg == "--help" || arg == "-h") {
            line.action = arg == "--version" ? TCommandLine::TAction::Version : TCommandLine::TAction::Help;
            return line;
        }
        std::string_view value;
        if (arg == "--lang") {
            value = i + 1 < argc ? std::string_view(argv[++i]) : std::string_view();
        } else if (arg.starts_with("--lang=")) {
            value = arg.substr(7);
        } else {
            continue;
        }
        line.language = fnLanguageNamed(value);
        if (!line.language) {
            line.action = TCommandLine::TAction::Error;
            line.error = "quillfern: --lang takes ru or en, not '" + std::string(value) + "'";
            return line;
        }
    }
    return line;
}

TLanguage fnSystemLanguage(const QStringList& uiLanguages)
{
    if (uiLanguages.isEmpty())
        return TLanguage::English;
    const QString first = uiLanguages.first().toLower();
    const bool russian = first == "ru" || first.startsWith("ru-") || first.startsWith("ru_");
    return russian ? TLanguage::Russian : TLanguage::English;
}
