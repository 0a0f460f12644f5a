// The customer import through the driver: choosing the layout (blank, unknown, search), the conversions of
// a second layout (default, short line, trimmed names), every load failure with its text, the rows kept and
// confirm off, and server failures while sending (SQLite triggers) that stop the upload.

#include "tests/host/import_e2e_fixture.h"

namespace vq::host {
namespace {

std::string after(const std::string& out, const std::string& marker) {
    const auto at = out.rfind(marker);
    return at == std::string::npos ? std::string() : out.substr(at);
}

TEST_F(ImportE2E, LayoutIsRequiredKnownOrPickedFromTheSearch) {
    const DriverResult r = run("call CriaImpCliente\n"
                               "form TfrmImportCliente\n"
                               "print calls\n"
                               "click btfCarregar\n"
                               "print messages calls sbtConfirma.enabled\n"
                               "set edtCdLayout 99\n"
                               "click btfCarregar\n"
                               "print messages calls edtCdLayout.text edtNmLayout.text\n"
                               "pick 0000000001\n"
                               "click btpLayout\n"
                               "print calls edtCdLayout.text edtNmLayout.text\n"
                               "close TfrmImportCliente\n");
    EXPECT_NE(joined(r).find("message=error: Layout deve ser informado.\nsbtConfirma.enabled=false\n"
                             "message=error: Layout não cadastrado.\n"
                             "call=Vqm41204.rdmImportCliente.GetLayout([\"0000000099\",\"\"])\n"
                             "edtCdLayout.text=0000000099\nedtNmLayout.text=\n"
                             "call=Vqm41204.rdmImportCliente.GetLayout([\"\",\"T\"])\n"
                             "edtCdLayout.text=0000000001\nedtNmLayout.text=Clientes\n"),
              std::string::npos)
        << joined(r);
}

// Layout "0000000002" reading c.txt: the kind from its default, a date, an integer and a 2-wide code.
void addSecondLayout(ImportE2E& t) {
    db::Connection db = t.database();
    db.execute("INSERT INTO LAYOUTIMP (CDLAYOUTIMP, NMLAYOUTIMP) VALUES ('0000000002', 'Outro')");
    db.execute(
        "INSERT INTO ARQLAYOUTIMP (CDLAYOUTIMP, NRSEQARQLAY, NMARQLAYIMP) VALUES ('0000000002', 1, :P_A)",
        {{"P_A", Variant(t.path("c.txt"))}});
    db.execute(
        "INSERT INTO COLLAYOUTIMP (CDLAYOUTIMP, NRSEQTABELAY, NRSEQCOLULAY, NRPOSICOLLAY, NRTAMCOLLAY, "
        "NRCASASDECIM, IDTDADCOLLAY, DSDEFACOLLAY, NMCOLUNAIMP) VALUES "
        "('0000000002', '1', '1', 1, 1, 0, 'T', 'J', 'IDTPIJURCLIE'), "
        "('0000000002', '1', '2', 2, 14, 0, 'T', NULL, 'NRINSJURCLIE'), "
        "('0000000002', '1', '3', 16, 12, 0, 'T', NULL, 'NMRAZSOCCLIE'), "
        "('0000000002', '1', '4', 28, 10, 0, 'D', NULL, 'DTCADACLIE'), "
        "('0000000002', '1', '5', 38, 3, 0, 'N', NULL, 'QTCNDPG1CLIE'), "
        "('0000000002', '1', '6', 41, 2, 0, 'T', NULL, 'CDESTACIVIL')");
}

TEST_F(ImportE2E, ASecondLayoutTakesDefaultsShortLinesAndTrimmedNames) {
    addSecondLayout(*this);
    // The kind comes from its default whatever the line holds; the second line ends inside the name.
    write("c.txt", "X11222333000181  ACME SA   07/12/2026 12 C\nX11222333000181 BETA\n");
    const std::string out = joined(run(
        "call CriaImpCliente\nform TfrmImportCliente\nset edtCdLayout 2\nclick btfCarregar\n"
        "print messages cdsCliente.recordCount sbtConfirma.enabled\n"
        "print cdsCliente.CDCLIENTE cdsCliente.NMRAZSOCCLIE cdsCliente.DTCADACLIE cdsCliente.QTCNDPG1CLIE "
        "cdsCliente.CDESTACIVIL\n"
        "click sbtConfirma\nprint messages\n"));
    EXPECT_NE(out.find("cdsCliente.recordCount=2\nsbtConfirma.enabled=true\n"), std::string::npos) << out;
    // The cursor is on the last row: a short line reads empty names, zero numbers and the zero date.
    EXPECT_NE(out.find("cdsCliente.CDCLIENTE=J11222333000181\ncdsCliente.NMRAZSOCCLIE=BETA\n"
                       "cdsCliente.DTCADACLIE=\ncdsCliente.QTCNDPG1CLIE=0\ncdsCliente.CDESTACIVIL=\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("message=info: Importação realizada com sucesso."), std::string::npos) << out;
    // The first line inserted it, the second renamed it.
    const auto row =
        database()
            .query("SELECT NMRAZSOCCLIE, QTCNDPG1CLIE, CDESTACIVIL FROM CLIENTE WHERE CDCLIENTE = "
                   "'J11222333000181'")
            .rows();
    ASSERT_EQ(row.size(), 1U);
    EXPECT_EQ(row[0][0].toString(), "BETA");
    EXPECT_EQ(row[0][1].toInt(), 12);
    EXPECT_EQ(row[0][2].toString(), "C");
}

TEST_F(ImportE2E, ValuesThatDoNotReadNameTheirColumnAndValue) {
    addSecondLayout(*this);
    const std::string good = "X11222333000181ACME        07/12/2026 12 C\n";
    const std::pair<std::string, std::string> cases[] = {
        {"X11222333000181ACME        31/02/2026 12 C\n",
         "Data inválida. (arquivo c.txt, linha 2, campo DTCADACLIE: \"31/02/2026\")"},
        {"X11222333000181ACME        07/12/20261,5 C\n",
         "Erro durante a importação de valor númerico. Verifique o arquivo informado. (arquivo c.txt, linha "
         "2, "
         "campo QTCNDPG1CLIE: \"1,5\")"},
        {"X11222333000181ACME        07/12/2026 12CC\n",
         "Valor maior que o campo. (arquivo c.txt, linha 2, campo CDESTACIVIL: \"CC\")"},
    };
    for (const auto& [bad, message] : cases) {
        SCOPED_TRACE(message);
        write("c.txt", good + bad);
        const std::string out = joined(run("call CriaImpCliente\nform TfrmImportCliente\nset edtCdLayout 2\n"
                                           "click btfCarregar\n"
                                           "print messages cdsCliente.recordCount sbtConfirma.enabled\n"));
        EXPECT_EQ(after(out, "message="),
                  "message=error: " + message + "\ncdsCliente.recordCount=1\nsbtConfirma.enabled=false\n");
    }
}

TEST_F(ImportE2E, EveryLoadFailureNamesItsPlaceKeepsTheRowsReadAndLeavesConfirmOff) {
    const std::string good = line("J", "11222333000181", "ACME", "", "", "");
    write("a.txt", good + "\r\n" + good + "\r\n");
    const std::string b = (dir_ / "b.txt").string();
    struct Case {
        std::string path;    // of the second file
        std::string bytes;   // written to it ("-": no file)
        std::string message; // shown
        int rows;            // kept
    };
    const std::string missingDir = (dir_ / "nada" / "b.txt").string();
    const std::vector<Case> cases = {
        {missingDir, "-", "Diretório inválido. (" + missingDir + ")", 2},
        {b, "-", "Arquivo inválido. (" + b + ")", 2},
        {dir_.string(), "-", "Arquivo inválido. (" + dir_.string() + ")", 2},
        {b, "", "Arquivo vazio ! (" + b + ")", 2},
        {b, "\xFF\xFEJ\0", "Codificação do arquivo não suportada (UTF-16 ou UTF-32). (" + b + ")", 2},
        {b, good + "\n" + std::string(70000, 'A') + "\n",
         "Linha com mais de 65536 bytes; o arquivo não é um texto de importação. (arquivo b.txt, linha 2)",
         3},
        {b, good + "\n" + line("J", "11222333000181", "\xC3\x89", "", "", "") + "\n\xC9\n",
         "Texto inválido para a codificação UTF-8 do arquivo. (arquivo b.txt, linha 3)", 4},
        {b, good + "\nJ\x01\n",
         "Caractere de controle no texto; o arquivo parece conter dados binários. (arquivo b.txt, linha 2)",
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        std::error_code ec;
        fs::remove(b, ec);
        if (c.bytes != "-")
            write("b.txt", c.bytes);
        secondFileIs(c.path);
        const std::string out = joined(run(std::string(kOpen) + "print messages cdsCliente.recordCount "
                                                                "sbtConfirma.enabled panAnimacao.visible\n"));
        EXPECT_EQ(after(out, "message="), "message=error: " + c.message +
                                              "\ncdsCliente.recordCount=" + std::to_string(c.rows) +
                                              "\nsbtConfirma.enabled=false\npanAnimacao.visible=false\n");
    }
}

// A layout without files loads nothing; confirming still reports every registered customer absent.
TEST_F(ImportE2E, ALayoutWithoutFilesReportsEveryRegisteredCustomerAbsent) {
    database().execute("DELETE FROM ARQLAYOUTIMP WHERE CDLAYOUTIMP = '0000000001'");
    const DriverResult r =
        run(std::string(kOpen) + "print messages cdsCliente.recordCount sbtConfirma.enabled\n"
                                 "print calls\nclick sbtConfirma\nprint messages calls\n");
    const std::string out = joined(r);
    EXPECT_NE(out.find("cdsCliente.recordCount=0\nsbtConfirma.enabled=true\n"), std::string::npos) << out;
    std::string expected = "message=info: Importação realizada com sucesso.\n";
    for (const Row& c : codes_)
        expected += "call=Vqm41204.rdmImportCliente.SetUpSitCliente([\"" + c[0].toString() + "\"])\n";
    EXPECT_EQ(after(out, "message="), expected);
}

TEST_F(ImportE2E, ServerFailuresWhileSendingStopTheUploadAndARerunFindsWhatWasSent) {
    write("a.txt", line("F", "52998224725", "JOSE", "", "", "") + "\n" +
                       line("J", "11222333000181", "ACME", "", "", "") + "\n");
    write("b.txt", line("J", "11222333000181", "ACME NOVA", "", "", "") + "\n");
    database().execute(
        "CREATE TRIGGER NAO_ACME BEFORE INSERT ON CLIENTE WHEN NEW.CDCLIENTE = 'J11222333000181' "
        "BEGIN SELECT RAISE(ABORT, 'ACME recusada'); END");
    std::string out = joined(run(std::string(kOpen) + "print calls messages\nclick sbtConfirma\n"
                                                      "print messages calls\n"));
    // The first customer went in; the second's Confirmar failed and nothing followed it.
    std::string sent = after(out, "message=");
    EXPECT_NE(sent.find("message=info: Importação não realizada.\n"), std::string::npos) << out;
    EXPECT_NE(out.find("ACME recusada"), std::string::npos) << out;
    const auto first = sent.find("Confirmar(");
    const auto second = sent.find("Confirmar(", first + 1);
    ASSERT_NE(second, std::string::npos) << out;
    EXPECT_EQ(sent.find("call=", sent.find('\n', second)), std::string::npos) << out;

    // A rerun finds the customer already sent and renames it; renaming fails too now.
    database().execute("DROP TRIGGER NAO_ACME");
    database().execute("CREATE TRIGGER SEM_NOME BEFORE UPDATE OF NMRAZSOCCLIE ON CLIENTE "
                       "BEGIN SELECT RAISE(ABORT, 'nome travado'); END");
    out = joined(run(std::string(kOpen) + "print calls messages\nclick sbtConfirma\nprint messages calls\n"));
    sent = after(out, "message=");
    EXPECT_NE(sent.find("message=info: Importação não realizada.\n"), std::string::npos) << out;
    EXPECT_NE(sent.find("call=Vqm41204.rdmImportCliente.SetUpCliente([\"JOSE\",\"\",\"F52998224725\"])"),
              std::string::npos)
        << out;
    EXPECT_EQ(sent.find("Confirmar("), std::string::npos) << out;
    EXPECT_EQ(sent.find("SetUpSitCliente"), std::string::npos) << out;
    EXPECT_EQ(database()
                  .query("SELECT COUNT(*) FROM CLIENTE WHERE CDCLIENTE = 'J11222333000181'")
                  .rows()[0][0]
                  .toInt(),
              0);
}

} // namespace
} // namespace vq::host
