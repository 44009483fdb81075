// Feeds every file of the folders named on the command line to the fuzz target once, the way
// libFuzzer would: a plain program, so that CI replays the corpus without clang.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path folder(argv[i]);
        if (!fs::is_directory(folder))
            continue; // a target without regressions has no folder for them
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream file(entry.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
            if (!file.good() && !file.eof()) {
                std::cerr << entry.path() << ": cannot be read\n";
                return 1;
            }
            // A fault aborts inside the call, naming the input only through this line.
            std::cout << "replay " << entry.path().filename().string() << std::endl;
            LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
            ++replayed;
        }
    }
    std::cout << replayed << " inputs replayed\n";
    // An empty corpus would pass while testing nothing.
    return replayed > 0 ? 0 : 1;
}
