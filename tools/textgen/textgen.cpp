// Build step: reads the readable UTF-8 catalogues, Russian and English (one
// "id<TAB>name<TAB>text" a line, '#' starts a comment line), and writes their
// compiled tables in stored form - Windows-1251 bytes with every pair of
// neighbouring characters exchanged - and the header of the names the code
// calls the texts by. Fails the build on a duplicate id or name, a bad line, a
// character the code page lacks, or a text that is in one language only.
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

// One catalogue source read: each id's name and stored bytes.
struct TCatalogue {
    std::map<unsigned long, std::string> bytes;
    std::map<unsigned long, std::string> names;
};

bool fnRead(const char* path, TCatalogue& catalogue)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << path << ": cannot open\n";
        return false;
    }
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
            std::cerr << path << ":" << lineNo << ": expected id<TAB>name<TAB>text\n";
            return false;
        }
        const std::string name = line.substr(tab + 1, nameEnd - tab - 1);
        if (!fnIsName(name) || !taken.insert(name).second) {
            std::cerr << path << ":" << lineNo << ": bad or repeated name '" << name << "'\n";
            return false;
        }
        const std::string idText = line.substr(0, tab);
        if (idText.find_first_not_of("0123456789") != std::string::npos) {
            std::cerr << path << ":" << lineNo << ": bad id '" << idText << "'\n";
            return false;
        }
        const unsigned long id = std::stoul(idText);
        const auto bytes = fnUtf8ToCp1251(line.substr(nameEnd + 1));
        if (!bytes) {
            std::cerr << path << ":" << lineNo << ": text has a character outside Windows-1251\n";
            return false;
        }
        if (!catalogue.bytes.emplace(id, *bytes).second) {
            std::cerr << path << ":" << lineNo << ": duplicate id " << id << "\n";
            return false;
        }
        catalogue.names.emplace(id, name);
    }
    return true;
}

void prWriteTable(std::ostringstream& out, const char* name, const TCatalogue& catalogue)
{
    out << "constexpr TCatalogueEntry " << name << "[] = {\n";
    for (const auto& [id, bytes] : catalogue.bytes)
        out << "{" << id << "u, " << fnCLiteral(fnSwapPairs(bytes)) << ", " << bytes.size() << "},\n";
    out << "};\n";
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::cerr << "usage: textgen Catalogue.txt Catalogue.en.txt CatalogueTable.inc TextIds.h\n";
        return 2;
    }
    TCatalogue russian, english;
    if (!fnRead(argv[1], russian) || !fnRead(argv[2], english))
        return 1;
    // Every text in both languages, under one name: a text missing in either is a build error.
    bool same = true;
    for (const auto& [id, name] : russian.names) {
        const auto other = english.names.find(id);
        if (other == english.names.end() || other->second != name) {
            std::cerr << argv[2] << ": id " << id << " (" << name << ") is missing or named otherwise\n";
            same = false;
        }
    }
    for (const auto& [id, name] : english.names)
        if (!russian.names.count(id)) {
            std::cerr << argv[1] << ": id " << id << " (" << name << ") is missing\n";
            same = false;
        }
    if (!same)
        return 1;

    std::ostringstream out;
    out << "// Generated from text/Catalogue.txt and text/Catalogue.en.txt by textgen. Do not edit.\n";
    prWriteTable(out, "kCatalogueRussian", russian);
    prWriteTable(out, "kCatalogueEnglish", english);
    std::ofstream file(argv[3], std::ios::binary | std::ios::trunc);
    file << out.str();

    std::ostringstream header;
    header << "// Generated from text/Catalogue.txt by textgen. Do not edit.\n"
              "// The names of the catalogue's texts: fnText(TextId::Close).\n"
              "#pragma once\n\n#include <cstdint>\n\nnamespace TextId {\n";
    for (const auto& [id, name] : russian.names)
        header << "inline constexpr std::uint32_t " << name << " = " << id << ";\n";
    header << "} // namespace TextId\n";
    // Written only when it changes, so a text edit does not rebuild every page.
    std::string old;
    if (std::ifstream before(argv[4], std::ios::binary); before) {
        std::ostringstream read;
        read << before.rdbuf();
        old = read.str();
    }
    if (old != header.str()) {
        std::ofstream ids(argv[4], std::ios::binary | std::ios::trunc);
        ids << header.str();
        if (!ids)
            return 1;
    }
    return file ? 0 : 1;
}
