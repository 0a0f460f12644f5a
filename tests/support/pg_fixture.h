#pragma once
// A private PostgreSQL server for tests: a fresh cluster in a temporary directory (in /dev/shm when there is
// one), listening on 127.0.0.1 on a free port (and a Unix socket in that directory), stopped and removed
// when the test program ends or dies. The cluster is copied from a pristine one made by initdb on first use
// and kept beside it (vqpg-template-UID-...), because copying is several times faster than initdb.
// Run as root, the server runs as the unprivileged system user "vqtest" (created when missing).
//
//   vq::test::PgServer* pg = vq::test::sharedPgServer();
//   if (!pg) GTEST_SKIP() << vq::test::pgUnavailableReason();
//   std::string url = pg->createDatabase();   // a fresh, empty database for this test
//
// The binaries come from $VQ_PG_BIN, else /usr/lib/postgresql/15/bin; without them the tests skip.

#include <memory>
#include <string>
#include <sys/types.h>

namespace vq::test {

class PgServer {
public:
    PgServer(); // throws std::runtime_error with the reason when the server cannot start
    ~PgServer();
    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;

    int port() const { return port_; }
    const std::string& user() const { return user_; }
    std::string url(const std::string& database = "postgres") const; // postgresql://user@127.0.0.1:port/db

    // Creates an empty database with a new name and returns its URL. The cluster's locale is C, so any
    // server encoding may be asked for ("SQL_ASCII", "LATIN1").
    std::string createDatabase(const std::string& encoding = "UTF8");

private:
    bool initialise(bool useTemplate); // true when the cluster was copied from the cached template
    std::string templatePath() const;
    void start();
    void stop();

    std::string binDir_;
    std::string dir_;
    std::string user_;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
    bool dropPrivileges_ = false;
    int port_ = 0;
    pid_t pid_ = -1;
    int databases_ = 0;
};

// Started on first use and shared by every test of the program; nullptr when PostgreSQL is unavailable.
PgServer* sharedPgServer();
const std::string& pgUnavailableReason();

} // namespace vq::test
