#include "tests/server/server_fixture.h"

#include <atomic>
#include <unistd.h>

namespace vq::test {

TempDbFile::TempDbFile() {
    static std::atomic<int> counter{0};
    path_ = std::filesystem::temp_directory_path() /
            ("vq-server-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".sqlite");
}

TempDbFile::~TempDbFile() {
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        std::filesystem::remove(path_.string() + suffix, ec);
}

} // namespace vq::test
