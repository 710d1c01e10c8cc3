// Builds a ready workspace from the sample collection: Barvella.mdb with the cocktails of a
// UTF-8 table, and Barvella.ini / BarvellaTC.fvxcmt with a simple design.
//   make_sample_workspace COCKTAILS.tsv DIRECTORY   (DIRECTORY is created when missing)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "core/barvella_app.h"
#include "core/cocktail_database.h"
#include "core/schema.h"
#include "core/settings.h"
#include "cp932.h"
#include "paths.h"

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream in(text);
    while (std::getline(in, part, separator)) parts.push_back(part);
    if (!text.empty() && text.back() == separator) parts.emplace_back();
    return parts;
}

std::string Sjis(const std::string& utf8, int lineNumber) {
    auto converted = cp932::FromUtf8(utf8);
    if (!converted)
        throw std::runtime_error("line " + std::to_string(lineNumber) + ": no CP932 form for \"" + utf8 + "\"");
    return *converted;
}

// One line: name, initial letter, base, style, strength, taste, author, ingredients, method, notes.
std::optional<CocktailRecord> ParseLine(const std::string& line, int lineNumber) {
    const auto fields = Split(line, '\t');
    if (fields.size() != 10 || fields[1].size() != 1 || fields[1][0] < 'A' || fields[1][0] > 'Z') {
        std::fprintf(stderr, "line %d: expected 10 tab-separated fields with an initial A to Z\n", lineNumber);
        return std::nullopt;
    }
    CocktailRecord record;
    record.name = Sjis(fields[0], lineNumber);
    record.initial = fields[1][0] - 'A';
    record.baseName = Sjis(fields[2], lineNumber);
    record.styleName = Sjis(fields[3], lineNumber);
    record.strong = std::stoi(fields[4]);
    record.taste = std::stoi(fields[5]);
    record.masterName = Sjis(fields[6], lineNumber);
    for (const auto& ingredient : Split(fields[7], ';')) {
        const auto equals = ingredient.find('=');
        if (equals == std::string::npos) continue;
        record.materials[Sjis(ingredient.substr(0, equals), lineNumber)] =
            Sjis(ingredient.substr(equals + 1), lineNumber);
    }
    record.howTo = Sjis(fields[8], lineNumber);
    record.memo = Sjis(fields[9], lineNumber);
    return record;
}

PluginSettings SampleSettings() {
    PluginSettings settings;
    settings.design.bgColor = "#FFFDF5";
    settings.title.titleColor = "#7A1F1F";
    settings.title.titleSize = "+2";
    settings.title.windowTitle = cp932::Literal("カクテル・レシピ集");
    settings.font.textColor = "#222222";
    settings.font.linkColor = "#1F4E7A";
    settings.font.vLinkColor = "#5A3A7A";
    settings.file.allPage = 1;
    settings.user.userName = cp932::Literal("Barvella デモ");
    settings.topComment =
        cp932::Literal("<P>定番カクテルのレシピを集めました。<BR>\r\n左のメニューから探してください。</P>");
    return settings;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_sample_workspace COCKTAILS.tsv DIRECTORY (created when missing)\n");
        return 2;
    }
    const std::string directory = argv[2];
    std::ifstream table(argv[1]);
    if (!table) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", directory.c_str(), error.message().c_str());
        return 1;
    }
    CBarvellaApp app;
    if (!CreateCocktailDatabase(paths::Join(directory, kDatabaseFileName), app.database)) {
        std::fprintf(stderr, "cannot create the database: %s\n", LastDatabaseError().c_str());
        return 1;
    }
    try {
        std::string line;
        int lineNumber = 0;
        int stored = 0;
        while (std::getline(table, line)) {
            ++lineNumber;
            if (line.empty() || line[0] == '#') continue;
            auto record = ParseLine(line, lineNumber);
            if (!record) return 1;
            const MaterialMap materials = record->materials;
            if (!InsertCocktail(app, *record, materials)) {
                std::fprintf(stderr, "line %d: the cocktail could not be stored: %s\n", lineNumber,
                             LastDatabaseError().c_str());
                return 1;
            }
            ++stored;
        }
        if (!SaveSettings(directory, SampleSettings())) {
            std::fprintf(stderr, "cannot write the settings in %s\n", directory.c_str());
            return 1;
        }
        std::printf("%d cocktails stored in %s\n", stored, directory.c_str());
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
