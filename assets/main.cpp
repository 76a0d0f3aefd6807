// varnholt-assets --out DIR --roster FILE [--champion FILE] [--fonts DIR] [--verbose]
// Paints every picture and synthesises every sound the program loads into
// DIR/Graphics, DIR/Sounds and DIR/Wallpapers.

#include "assets/catalogue.h"
#include "assets/roster_names.h"

#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "usage: varnholt-assets --out DIR --roster FILE [--champion FILE] [--fonts DIR] [--verbose]\n";

} // namespace

int main(int argc, char** argv) {
    std::string out;
    std::string roster;
    std::string champion;
    std::string fonts = "/usr/share/fonts/truetype/liberation2";
    bool verbose = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--verbose") {
            verbose = true;
            continue;
        }
        if (i + 1 >= argc) {
            std::cerr << kUsage;
            return 2;
        }
        const std::string value = argv[++i];
        if (option == "--out") {
            out = value;
        } else if (option == "--roster") {
            roster = value;
        } else if (option == "--champion") {
            champion = value;
        } else if (option == "--fonts") {
            fonts = value;
        } else {
            std::cerr << "varnholt-assets: unknown option " << option << '\n' << kUsage;
            return 2;
        }
    }
    if (out.empty() || roster.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    std::string error;
    auto names = vh::assets::readOpponentNames(roster, &error);
    if (!names) {
        std::cerr << "varnholt-assets: " << error << '\n';
        return 1;
    }
    if (!champion.empty()) {
        const auto name = vh::assets::readChampionName(champion, &error);
        if (!name) {
            std::cerr << "varnholt-assets: " << error << '\n';
            return 1;
        }
        names->push_back(*name);
    }
    if (!vh::assets::generateAssets({*names, fonts}, out, &error, verbose ? &std::cout : nullptr)) {
        std::cerr << "varnholt-assets: " << error << '\n';
        return 1;
    }
    return 0;
}
