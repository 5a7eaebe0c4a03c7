// Runs a harness over every file of the given files and folders, so the
// corpus is checked by the ordinary build and test run, without libFuzzer.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

std::vector<std::filesystem::path> inputs(const std::filesystem::path& root) {
    std::vector<std::filesystem::path> found;
    if (std::filesystem::is_directory(root)) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
            if (entry.is_regular_file()) found.push_back(entry.path());
    } else {
        found.push_back(root);
    }
    std::sort(found.begin(), found.end());
    return found;
}

} // namespace

int main(int argc, char** argv) {
    int count = 0;
    for (int i = 1; i < argc; ++i) {
        if (!std::filesystem::exists(argv[i])) {
            std::fprintf(stderr, "no such file or folder: %s\n", argv[i]);
            return 2;
        }
        for (const auto& path : inputs(argv[i])) {
            std::ifstream in(path, std::ios::binary);
            const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                                  std::istreambuf_iterator<char>());
            std::printf("%s\n", path.filename().c_str());
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
            ++count;
        }
    }
    std::printf("%d inputs ran cleanly\n", count);
    return count > 0 ? 0 : 1;
}
