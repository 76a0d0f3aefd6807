// varnholt-assets --out DIR --roster FILE [--champion FILE] [--fonts DIR] [--verbose]
// Paints every picture and synthesises every sound the program loads into
// DIR/Graphics, DIR/Sounds and DIR/Wallpapers.

#include "assets/catalogue.h"
#include "assets/opponent_roster.h"

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
    auto opponents = vh::assets::readOpponents(roster, &error);
    if (!opponents) {
        std::cerr << "varnholt-assets: " << error << '\n';
        return 1;
    }
    if (!champion.empty()) {
        auto profiles = vh::assets::readChampionFile(champion, &error);
        if (!profiles) {
            std::cerr << "varnholt-assets: " << error << '\n';
            return 1;
        }
        opponents->insert(opponents->end(), profiles->begin(), profiles->end());
    }
    if (!vh::assets::generateAssets({*opponents, fonts}, out, &error,
                                    verbose ? &std::cout : nullptr)) {
        std::cerr << "varnholt-assets: " << error << '\n';
        return 1;
    }
    return 0;
}
