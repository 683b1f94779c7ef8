#ifndef TESTS_MARLOWINDS_LIB_UTILS_TEMPORARYWORKINGDIRECTORY_H
#define TESTS_MARLOWINDS_LIB_UTILS_TEMPORARYWORKINGDIRECTORY_H

#include <boost/filesystem.hpp>

#include <fstream>
#include <sstream>
#include <string>

namespace marlowinds_lib {
namespace utils {

/// Makes a fresh folder <tmp>/<unique>/work the working directory, so that
/// "../logging" lands in <tmp>/<unique>; restores the old one and removes
/// everything on destruction.
class TemporaryWorkingDirectory {
public:
    TemporaryWorkingDirectory()
        : previous(boost::filesystem::current_path()),
          root(boost::filesystem::temp_directory_path() / boost::filesystem::unique_path("marlowinds-%%%%-%%%%-%%%%")) {
        boost::filesystem::create_directories(root / "work");
        boost::filesystem::current_path(root / "work");
    }
    ~TemporaryWorkingDirectory() {
        boost::system::error_code ignored;
        boost::filesystem::current_path(previous, ignored);
        boost::filesystem::remove_all(root, ignored);
    }
    TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
    TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;

    const boost::filesystem::path& getRoot() const { return root; }

    static std::string read(const boost::filesystem::path& file) {
        std::ifstream in(file.string());
        std::stringstream content;
        content << in.rdbuf();
        return content.str();
    }

private:
    boost::filesystem::path previous;
    boost::filesystem::path root;
};

} // namespace utils
} // namespace marlowinds_lib

#endif
