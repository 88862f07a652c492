// Started by the Windows launch test: leaves "launched.txt" beside itself holding the
// number of arguments it got and the first of them, so the test can tell it ran and
// how its command line arrived. Written aside and renamed, so it is never seen half done.
#include <cstddef>
#include <cstdio>
#include <fstream>
#include <string>

int main(int argc, char** argv)
{
    const std::string self = argc > 0 ? argv[0] : "";
    const std::size_t folderEnd = self.find_last_of("\\/");
    const std::string folder = folderEnd == std::string::npos ? "" : self.substr(0, folderEnd + 1);
    {
        std::ofstream marker(folder + "launched.part", std::ios::binary);
        marker << argc << '\n' << self << '\n';
        if (!marker) {
            return 1;
        }
    }
    return std::rename((folder + "launched.part").c_str(), (folder + "launched.txt").c_str());
}
