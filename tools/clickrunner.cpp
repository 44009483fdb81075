// A stand-in for Clickrunner, for tests and demos: it replays nothing, but writes what it was
// given to "clickrunner.log" beside itself: each argument on a line, then every placeholder the
// script still holds. The log is replaced in one step, so a reader never sees half of it.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <system_error>

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (error)
        self = fs::absolute(argv[0]);
    const fs::path log = self.parent_path() / "clickrunner.log";
    const fs::path temp = self.parent_path() / "clickrunner.log.tmp";

    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    for (int i = 1; i < argc; ++i)
        out << "arg" << i << '=' << argv[i] << '\n';
    if (argc > 2 && std::string(argv[1]) == "START") {
        std::ifstream script(argv[2], std::ios::binary);
        if (!script) {
            out << "script unreadable: " << argv[2] << '\n';
        } else {
            const std::string text((std::istreambuf_iterator<char>(script)), std::istreambuf_iterator<char>());
            static const std::regex placeholder(R"(\[(Z\d+_\d+|MELDUNGFERTIG|TIPPDATEI|MISA|MI|SA|GLUECK|SPIEL77|SUPER6)\])");
            for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder); it != std::sregex_iterator(); ++it)
                out << "unfilled=" << it->str() << '\n';
        }
    }
    out << "end\n";
    out.close();
    fs::rename(temp, log, error);
    return out ? 0 : 1;
}
