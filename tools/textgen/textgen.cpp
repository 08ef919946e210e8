// Build step: reads the readable UTF-8 catalogue (one "id<TAB>name<TAB>text" a
// line, '#' starts a comment line) and writes the compiled table in stored
// form - Windows-1251 bytes with every pair of neighbouring characters
// exchanged - and the header of the names the code calls the texts by.
// Fails the build on a duplicate id or name, a bad line or a character the
// code page lacks.
#include "text/Cp1251.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace {

std::string fnSwapPairs(std::string text)
{
    for (std::size_t i = 0; i + 1 < text.size(); i += 2)
        std::swap(text[i], text[i + 1]);
    return text;
}

std::string fnCLiteral(const std::string& bytes)
{
    std::string out = "\"";
    char hex[8];
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        // Hex escapes throughout keep the literal independent of the source charset.
        std::snprintf(hex, sizeof hex, "\\x%02X", b);
        out += hex;
        out += "\" \"";
    }
    out += "\"";
    return out;
}

bool fnIsName(const std::string& name)
{
    if (name.empty() || !std::isupper(static_cast<unsigned char>(name[0])))
        return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::cerr << "usage: textgen Catalogue.txt CatalogueTable.inc TextIds.h\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << argv[1] << ": cannot open\n";
        return 1;
    }
    std::map<unsigned long, std::string> entries;
    std::map<unsigned long, std::string> names;
    std::set<std::string> taken;
    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        const auto tab = line.find('\t');
        const auto nameEnd = tab == std::string::npos ? tab : line.find('\t', tab + 1);
        if (tab == std::string::npos || tab == 0 || nameEnd == std::string::npos) {
            std::cerr << argv[1] << ":" << lineNo << ": expected id<TAB>name<TAB>text\n";
            return 1;
        }
        const std::string name = line.substr(tab + 1, nameEnd - tab - 1);
        if (!fnIsName(name) || !taken.insert(name).second) {
            std::cerr << argv[1] << ":" << lineNo << ": bad or repeated name '" << name << "'\n";
            return 1;
        }
        const std::string idText = line.substr(0, tab);
        if (idText.find_first_not_of("0123456789") != std::string::npos) {
            std::cerr << argv[1] << ":" << lineNo << ": bad id '" << idText << "'\n";
            return 1;
        }
        const unsigned long id = std::stoul(idText);
        const auto bytes = fnUtf8ToCp1251(line.substr(nameEnd + 1));
        if (!bytes) {
            std::cerr << argv[1] << ":" << lineNo << ": text has a character outside Windows-1251\n";
            return 1;
        }
        if (!entries.emplace(id, *bytes).second) {
            std::cerr << argv[1] << ":" << lineNo << ": duplicate id " << id << "\n";
            return 1;
        }
        names.emplace(id, name);
    }
    std::ostringstream out;
    out << "// Generated from text/Catalogue.txt by textgen. Do not edit.\n";
    for (const auto& [id, bytes] : entries)
        out << "{" << id << "u, " << fnCLiteral(fnSwapPairs(bytes)) << ", " << bytes.size() << "},\n";
    std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
    file << out.str();

    std::ostringstream header;
    header << "// Generated from text/Catalogue.txt by textgen. Do not edit.\n"
              "// The names of the catalogue's texts: fnText(TextId::Close).\n"
              "#pragma once\n\n#include <cstdint>\n\nnamespace TextId {\n";
    for (const auto& [id, name] : names)
        header << "inline constexpr std::uint32_t " << name << " = " << id << ";\n";
    header << "} // namespace TextId\n";
    // Written only when it changes, so a text edit does not rebuild every page.
    std::string old;
    if (std::ifstream before(argv[3], std::ios::binary); before) {
        std::ostringstream read;
        read << before.rdbuf();
        old = read.str();
    }
    if (old != header.str()) {
        std::ofstream ids(argv[3], std::ios::binary | std::ios::trunc);
        ids << header.str();
        if (!ids)
            return 1;
    }
    return file ? 0 : 1;
}
