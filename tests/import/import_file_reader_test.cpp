// The import file reader: encodings decided per file, line ends, control characters, long lines, bad files
// and the bytes consumed, with buffers small enough to cut lines and marks anywhere.

#include "import/import_error.h"
#include "import/import_file_reader.h"
#include "tests/import/import_test_util.h"

#include <vector>

using namespace std::string_literals;

namespace vq::test {
namespace {

using import::Encoding;
using import::ImportError;
using import::ImportFileReader;

struct ReadResult {
    std::vector<std::string> lines;
    Encoding encoding;
    std::uint64_t consumed;
};

class ReaderTest : public ::testing::TestWithParam<std::size_t> {
protected:
    ReadResult readAll(const std::string& bytes) {
        ImportFileReader r(dir.write("f.txt", bytes), GetParam());
        ReadResult out{{}, Encoding::Undecided, 0};
        std::string line;
        while (r.readLine(line))
            out.lines.push_back(line);
        out.encoding = r.encoding();
        out.consumed = r.consumed();
        EXPECT_EQ(r.consumed(), r.size());
        return out;
    }
    // The key and the line of the failure.
    std::pair<std::string, long long> failure(const std::string& bytes) {
        try {
            readAll(bytes);
        } catch (const ImportError& e) {
            return {e.key(), e.line()};
        }
        return {"", 0};
    }
    TempDir dir;
};

TEST_P(ReaderTest, LinesEndAtLineFeedsWithCarriageReturnsDroppedAnywhere) {
    const auto r = readAll("ab\r\nc\rd\r\n\nlast");
    EXPECT_EQ(r.lines, (std::vector<std::string>{"ab", "cd", "", "last"}));
    EXPECT_EQ(readAll("one\ntwo\n").lines, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(readAll("one\ntwo\x1A").lines, (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(readAll("one\n\x1A").lines, std::vector<std::string>{"one"});
    EXPECT_EQ(readAll("tab\there\n").lines, std::vector<std::string>{"tab\there"});
}

TEST_P(ReaderTest, EncodingIsDecidedByTheMarkOrTheFirstLineWithAHighByte) {
    auto r = readAll("\xEF\xBB\xBFJOS\xC3\x89\n");
    EXPECT_EQ(r.lines, std::vector<std::string>{"JOS\xC3\x89"});
    EXPECT_EQ(r.encoding, Encoding::Utf8);

    r = readAll("ascii\nJOS\xC3\x89\nA\xC3\xA7\xC3\xA3o\n");
    EXPECT_EQ(r.encoding, Encoding::Utf8);
    EXPECT_EQ(r.lines[2], "A\xC3\xA7\xC3\xA3o");

    // Windows-1252 (and Latin-1) bytes become UTF-8, including the 0x80..0x9F range.
    r = readAll("ascii\nJOS\xC9 \x80\nS\xC3O\n");
    EXPECT_EQ(r.encoding, Encoding::Windows1252);
    EXPECT_EQ(r.lines, (std::vector<std::string>{"ascii", "JOS\xC3\x89 \xE2\x82\xAC", "S\xC3\x83O"}));

    EXPECT_EQ(readAll("plain\n").encoding, Encoding::Undecided);
}

TEST_P(ReaderTest, BadTextIsRefusedWithItsLine) {
    EXPECT_EQ(failure("ok\nJOS\xC3\x89\nS\xC3O\n"), (std::pair<std::string, long long>{"CODIF_INV", 3}));
    EXPECT_EQ(failure("\xFF\xFEh\0i\0"s), (std::pair<std::string, long long>{"CODIF_NSUP", 0}));
    EXPECT_EQ(failure("\xFE\xFF\0h"s), (std::pair<std::string, long long>{"CODIF_NSUP", 0}));
    EXPECT_EQ(failure("ok\nbin\x01\n"), (std::pair<std::string, long long>{"ARQUIV_BIN", 2}));
    EXPECT_EQ(failure("del\x7F\n"), (std::pair<std::string, long long>{"ARQUIV_BIN", 1}));
    EXPECT_EQ(failure("c1 \xC2\x85\n"), (std::pair<std::string, long long>{"ARQUIV_BIN", 1}));
    EXPECT_EQ(failure("1252 unassigned \x81\n"), (std::pair<std::string, long long>{"ARQUIV_BIN", 1}));
    EXPECT_EQ(failure("\x1A\nmore\n"), (std::pair<std::string, long long>{"ARQUIV_BIN", 1}));
    const std::string longest(ImportFileReader::kMaxLineBytes, 'x');
    EXPECT_EQ(readAll(longest + "\n" + longest).lines.size(), 2U);
    EXPECT_EQ(failure("ok\n" + longest + "x\n"), (std::pair<std::string, long long>{"LINHA_LONGA", 2}));
}

// Lines are scanned many bytes at a time: a special byte is found at every place of a long line.
TEST_P(ReaderTest, SpecialBytesAreFoundAnywhereInALongLine) {
    const std::string plain = " ~" + std::string(38, 'a'); // the printable range's ends
    for (std::size_t at = 0; at <= plain.size(); ++at) {
        SCOPED_TRACE(at);
        auto with = [&](const std::string& bytes) { return plain.substr(0, at) + bytes + plain.substr(at); };
        EXPECT_EQ(readAll(with("\r") + "\n").lines, std::vector<std::string>{plain});
        EXPECT_EQ(failure(with("\x01") + "\n").first, "ARQUIV_BIN");
        EXPECT_EQ(failure(with("\x7F") + "\n").first, "ARQUIV_BIN");
        EXPECT_EQ(readAll("x\n" + with("\xC9\xC7") + "\n").lines[1], with("\xC3\x89\xC3\x87"));
        EXPECT_EQ(readAll(with("\xC3\x89\xE2\x82\xAC") + "\n").lines[0], with("\xC3\x89\xE2\x82\xAC"));
        EXPECT_EQ(failure("\xC3\x89\n" + with("\xC9") + "\n").first, "CODIF_INV");
    }
}

INSTANTIATE_TEST_SUITE_P(Buffers, ReaderTest, ::testing::Values(16, 7001, 64 * 1024));

TEST(ReaderFileTest, BadPathsAndEmptyFilesAreRefusedBeforeReading) {
    TempDir dir;
    auto key = [](const std::string& path) {
        try {
            ImportFileReader r(path);
        } catch (const ImportError& e) {
            EXPECT_EQ(e.place(), ImportError::Place::File);
            return e.key();
        }
        return std::string();
    };
    EXPECT_EQ(key((dir.path() / "none" / "a.txt").string()), "DIR_INVALIDO");
    EXPECT_EQ(key((dir.path() / "a.txt").string()), "ARQUIV_INV");
    EXPECT_EQ(key(dir.path().string()), "ARQUIV_INV");
    EXPECT_EQ(key(dir.write("empty.txt", "")), "ARQUIV_VAZIO");
    // Blanks around the path are not part of it.
    ImportFileReader r("  " + dir.write("b.txt", "x\n") + "  ");
    EXPECT_EQ(r.fileName(), "b.txt");
    EXPECT_EQ(r.size(), 2U);
}

TEST(ReaderFileTest, AHugeLineIsRefusedUnread) {
    TempDir dir;
    const std::string path = dir.write("big.txt", std::string(50 * 1024 * 1024, 'a'));
    ImportFileReader r(path);
    std::string line;
    try {
        r.readLine(line);
        ADD_FAILURE() << "a 50 MB line was read";
    } catch (const ImportError& e) {
        EXPECT_EQ(e.key(), "LINHA_LONGA");
    }
    EXPECT_LE(r.consumed(), 2 * ImportFileReader::kMaxLineBytes);
}

TEST(ImportErrorTest, MessagesNameThePlace) {
    EXPECT_EQ(ImportError("ARQUIV_INV", "/d/a.txt").describe("Arquivo inválido."),
              "Arquivo inválido. (/d/a.txt)");
    EXPECT_EQ(ImportError("CPFInv", "a.txt", 3).describe("CPF inválido."),
              "CPF inválido. (arquivo a.txt, linha 3)");
    EXPECT_EQ(ImportError("NUMERO_INV", "a.txt", 4, "VRLIMCREDCLI", "1x").describe("Número inválido."),
              "Número inválido. (arquivo a.txt, linha 4, campo VRLIMCREDCLI: \"1x\")");
}

} // namespace
} // namespace vq::test
