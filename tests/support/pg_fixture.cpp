#include "tests/support/pg_fixture.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <grp.h>
#include <libpq-fe.h>
#include <netinet/in.h>
#include <pwd.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace vq::test {

namespace {

constexpr const char* kUser = "vqtest";
constexpr const char* kDefaultBin = "/usr/lib/postgresql/15/bin";

// Data directories live in memory when the machine offers it: initdb and the server do much less waiting.
std::filesystem::path baseDirectory() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK | X_OK) == 0)
        return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

std::string binDirectory() {
    const char* env = std::getenv("VQ_PG_BIN");
    return env && *env ? env : kDefaultBin;
}

int freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0)
        throw std::runtime_error("socket() falhou");
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    addr.sin_port = 0;
    socklen_t len = sizeof addr;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        ::close(fd);
        throw std::runtime_error("não foi possível reservar uma porta livre");
    }
    ::close(fd);
    return ntohs(addr.sin_port);
}

struct Identity {
    bool drop = false;
    uid_t uid = 0;
    gid_t gid = 0;
    std::string name;
};

// Runs argv as a child, as the identity, with output into logPath. With keepAlive the child gets SIGQUIT
// (PostgreSQL's immediate shutdown) if this process dies first, so no server outlives a crashed test.
pid_t spawn(const std::vector<std::string>& argv, const Identity& who, const std::string& logPath,
            bool keepAlive, const std::string& workDir = "/") {
    std::vector<char*> args;
    for (const std::string& a : argv)
        args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const pid_t parent = ::getpid();
    const pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork() falhou");
    if (pid > 0)
        return pid;
    // Child: only async-signal-safe calls from here on.
    const int log = ::open(logPath.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (log >= 0) {
        ::dup2(log, 1);
        ::dup2(log, 2);
        ::close(log);
    }
    if (::chdir(workDir.c_str()) != 0)
        ::_exit(124);
    if (who.drop && (::setgroups(0, nullptr) != 0 || ::setgid(who.gid) != 0 || ::setuid(who.uid) != 0))
        ::_exit(126);
    if (keepAlive) {
        ::prctl(PR_SET_PDEATHSIG, SIGQUIT);
        if (::getppid() != parent)
            ::_exit(125);
    }
    ::execv(args[0], args.data());
    ::_exit(127);
}

int waitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string readFile(const std::string& path) {
    std::string out;
    if (FILE* f = std::fopen(path.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            out.append(buf, n);
        std::fclose(f);
    }
    return out.size() > 2000 ? out.substr(out.size() - 2000) : out;
}

// Directories of servers whose test program was killed before it could clean up.
void removeOrphans(const std::filesystem::path& base) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(base, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("vqpg.", 0) != 0)
            continue;
        FILE* f = std::fopen((entry.path() / "owner.pid").c_str(), "r");
        if (!f)
            continue;
        long owner = 0;
        const bool read = std::fscanf(f, "%ld", &owner) == 1;
        std::fclose(f);
        if (read && owner > 0 && ::kill(static_cast<pid_t>(owner), 0) != 0 && errno == ESRCH)
            std::filesystem::remove_all(entry.path(), ec);
    }
}

Identity identity() {
    Identity who;
    if (::geteuid() != 0) {
        const passwd* me = ::getpwuid(::geteuid());
        if (!me)
            throw std::runtime_error("usuário atual sem entrada em /etc/passwd");
        who.name = me->pw_name;
        return who;
    }
    if (!::getpwnam(kUser)) {
        const Identity root;
        const pid_t pid = spawn(
            {"/usr/sbin/useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin", kUser},
            root, "/dev/null", false);
        if (waitFor(pid) != 0 && !::getpwnam(kUser))
            throw std::runtime_error(std::string("não foi possível criar o usuário ") + kUser);
    }
    const passwd* pw = ::getpwnam(kUser);
    if (!pw)
        throw std::runtime_error(std::string("usuário ") + kUser + " inexistente");
    who.drop = true;
    who.uid = pw->pw_uid;
    who.gid = pw->pw_gid;
    who.name = kUser;
    return who;
}

// Runs one statement as the server's superuser; "{STRATEGY}" becomes the fastest CREATE DATABASE strategy
// the server knows.
void execAdmin(const std::string& url, std::string sql) {
    PGconn* conn = PQconnectdb(url.c_str());
    std::string error;
    if (PQstatus(conn) != CONNECTION_OK) {
        error = PQerrorMessage(conn);
    } else {
        const auto at = sql.find("{STRATEGY}");
        if (at != std::string::npos)
            sql.replace(at, 10, PQserverVersion(conn) >= 150000 ? "STRATEGY FILE_COPY" : "");
        PGresult* res = PQexec(conn, sql.c_str());
        if (PQresultStatus(res) != PGRES_COMMAND_OK)
            error = PQresultErrorMessage(res);
        PQclear(res);
    }
    PQfinish(conn);
    if (!error.empty())
        throw std::runtime_error(sql + ": " + error);
}

} // namespace

PgServer::PgServer() : binDir_(binDirectory()) {
    if (::access((binDir_ + "/initdb").c_str(), X_OK) != 0 ||
        ::access((binDir_ + "/postgres").c_str(), X_OK) != 0)
        throw std::runtime_error("binários do PostgreSQL não encontrados em " + binDir_ +
                                 " (defina VQ_PG_BIN)");
    const Identity who = identity();
    user_ = who.name;
    uid_ = who.uid;
    gid_ = who.gid;
    dropPrivileges_ = who.drop;
    removeOrphans(baseDirectory());
    std::string pattern = (baseDirectory() / "vqpg.XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp falhou");
    dir_ = pattern;
    if (FILE* f = std::fopen((dir_ + "/owner.pid").c_str(), "w")) {
        std::fprintf(f, "%ld\n", static_cast<long>(::getpid()));
        std::fclose(f);
    }
    try {
        if (dropPrivileges_ && ::chown(dir_.c_str(), uid_, gid_) != 0)
            throw std::runtime_error("chown do diretório temporário falhou");
        ::chmod(dir_.c_str(), 0700);
        bool fromTemplate = initialise(true);
        try {
            start();
        } catch (...) {
            if (!fromTemplate)
                throw;
            // A template left by an older or broken run: rebuild it once.
            std::error_code ignored;
            std::filesystem::remove_all(templatePath(), ignored);
            std::filesystem::remove_all(dir_ + "/data", ignored);
            initialise(false);
            start();
        }
    } catch (...) {
        stop();
        throw;
    }
}

std::string PgServer::templatePath() const {
    return (baseDirectory() / ("vqpg-template-" + std::to_string(uid_ ? uid_ : ::geteuid()) + "-" +
                               std::to_string(std::hash<std::string>{}(binDir_))))
        .string();
}

PgServer::~PgServer() {
    stop();
}

std::string PgServer::url(const std::string& database) const {
    return "postgresql://" + user_ + "@127.0.0.1:" + std::to_string(port_) + "/" + database;
}

bool PgServer::initialise(bool useTemplate) {
    const Identity who{dropPrivileges_, uid_, gid_, user_};
    auto initdb = [&](const std::string& target) {
        const pid_t pid = spawn({binDir_ + "/initdb", "-D", target, "-U", user_, "-A", "trust", "-E", "UTF8",
                                 "--locale=C", "--no-sync"},
                                who, dir_ + "/initdb.log", true, dir_);
        if (waitFor(pid) != 0)
            throw std::runtime_error("initdb falhou: " + readFile(dir_ + "/initdb.log"));
    };
    if (!useTemplate) {
        initdb(dir_ + "/data");
        return false;
    }
    // A pristine cluster made once and copied for every server: copying is much faster than initdb. It is
    // built beside the target and renamed into place, so concurrent test programs never see half of one.
    const std::string tpl = templatePath();
    std::error_code ec;
    if (!std::filesystem::exists(tpl + "/PG_VERSION", ec)) {
        initdb(dir_ + "/template");
        if (::rename((dir_ + "/template").c_str(), tpl.c_str()) != 0)
            std::filesystem::remove_all(dir_ + "/template", ec); // another program made it first
    }
    const pid_t pid = spawn({"/bin/cp", "-a", tpl, dir_ + "/data"}, who, dir_ + "/initdb.log", true, dir_);
    if (waitFor(pid) != 0) {
        std::filesystem::remove_all(dir_ + "/data", ec);
        initdb(dir_ + "/data");
        return false;
    }
    return true;
}

void PgServer::start() {
    const Identity who{dropPrivileges_, uid_, gid_, user_};
    for (int attempt = 0; attempt < 3; ++attempt) {
        port_ = freePort();
        pid_ = spawn({binDir_ + "/postgres",
                      "-D",
                      dir_ + "/data",
                      "-p",
                      std::to_string(port_),
                      "-k",
                      dir_,
                      "-c",
                      "listen_addresses=127.0.0.1",
                      "-c",
                      "fsync=off",
                      "-c",
                      "synchronous_commit=off",
                      "-c",
                      "full_page_writes=off",
                      "-c",
                      "shared_buffers=32MB",
                      "-c",
                      "max_connections=40",
                      "-c",
                      "dynamic_shared_memory_type=mmap"},
                     who, dir_ + "/server.log", true, dir_);
        const std::string probe = url();
        for (int i = 0; i < 300; ++i) { // up to 30 s
            if (PQping(probe.c_str()) == PQPING_OK)
                return;
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                break; // exited: most likely the port was taken meanwhile; try another
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (pid_ > 0) {
            ::kill(pid_, SIGQUIT);
            waitFor(pid_);
            pid_ = -1;
        }
    }
    throw std::runtime_error("o servidor PostgreSQL não iniciou: " + readFile(dir_ + "/server.log"));
}

void PgServer::stop() {
    if (pid_ > 0) {
        ::kill(pid_, SIGINT); // fast shutdown
        for (int i = 0; i < 100; ++i) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            waitFor(pid_);
            pid_ = -1;
        }
    }
    if (!dir_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
        dir_.clear();
    }
}

std::string PgServer::createDatabase(const std::string& encoding) {
    const std::string name = "vqtest_" + std::to_string(::getpid()) + "_" + std::to_string(++databases_);
    execAdmin(url(),
              "CREATE DATABASE " + name + " TEMPLATE template0 ENCODING '" + encoding + "' {STRATEGY}");
    return url(name);
}

namespace {
struct Shared {
    std::unique_ptr<PgServer> server;
    std::string reason;
    bool tried = false;
};
Shared& shared() {
    static Shared s;
    return s;
}
} // namespace

PgServer* sharedPgServer() {
    Shared& s = shared();
    if (!s.tried) {
        s.tried = true;
        try {
            s.server = std::make_unique<PgServer>();
        } catch (const std::exception& e) {
            s.reason = std::string("PostgreSQL indisponível para testes: ") + e.what();
        }
    }
    return s.server.get();
}

const std::string& pgUnavailableReason() {
    return shared().reason;
}

} // namespace vq::test
