#pragma once
// A temporary working folder holding a full ASTERS.DTB of 9,999 lines (the
// most the list can carry), Ceres first, the other names in scrambled order,
// the orbits spread over the sky and the magnitudes over 3 to 15. It is the
// working directory for the life of the object.

#include "catalog/AsteroidCatalog.h"
#include "catalog/AsteroidLine.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

class SyntheticAsteroids {
public:
    SyntheticAsteroids() : previous_(std::filesystem::current_path())
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "qav-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        folder_ = pattern;
        std::ofstream out(folder_ / AsteroidCatalog::kFileName, std::ios::binary);
        for (int k = 1; k <= 9999; ++k) {
            const std::string name = k == 1 ? "Ceres" : "Minor" + std::to_string((k * 7919) % 10007);
            char line[kAsteroidLineLength + 1];
            std::snprintf(line, sizeof line,
                          "%6d200020220809%10.5f  73.53163%10.5f%10.5f 0.0786358  0.21418055%6.2f 0.12%-17s\r\n", k,
                          std::fmod(334.32717 + k * 37.1, 360.0), std::fmod(80.26644 + k * 13.7, 360.0),
                          std::fmod(10.58680 + k * 0.7, 30.0), 3.33 + k * 0.0012, name.c_str());
            out.write(line, kAsteroidLineLength);
        }
        out.close();
        std::filesystem::current_path(folder_);
    }
    const std::filesystem::path& folder() const { return folder_; }

    ~SyntheticAsteroids()
    {
        std::error_code ignored;
        std::filesystem::current_path(previous_, ignored);
        std::filesystem::remove_all(folder_, ignored);
    }
    SyntheticAsteroids(const SyntheticAsteroids&) = delete;
    SyntheticAsteroids& operator=(const SyntheticAsteroids&) = delete;

private:
    std::filesystem::path previous_;
    std::filesystem::path folder_;
};
