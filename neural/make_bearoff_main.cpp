// Works the bear-off database out and writes it: make-bearoff FILE.

#include "neural/bearoff_database.h"

#include <chrono>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: varnholt-make-bearoff FILE\n";
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const vh::BearoffDatabase database = vh::BearoffDatabase::build();
    std::string error;
    if (!database.writeFile(argv[1], error)) {
        std::cerr << "varnholt-make-bearoff: " << argv[1] << " cannot be written: " << error
                  << '\n';
        return 1;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::cout << "bear-off database written to " << argv[1] << " in " << took.count() << " s\n";
    return 0;
}
