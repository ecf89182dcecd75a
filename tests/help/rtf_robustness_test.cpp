#include "rtf_test_support.h"

#include <QDir>

#include <random>

using namespace numora::rtf;
using namespace rtftest;

namespace {

// Whatever a reader result says must fit the document it left behind.
void expectSound(const QByteArray &input, const ReadResult &result, const QTextDocument &doc)
{
    if (!result.ok) {
        EXPECT_TRUE(doc.isEmpty());
        EXPECT_FALSE(result.error.isEmpty());
        return;
    }
    EXPECT_LE(doc.characterCount(), input.size() + 1);
    if (result.damaged) {
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_GE(result.position, 0);
        EXPECT_LE(result.position, input.size());
    }
}

std::vector<QByteArray> seeds()
{
    std::vector<QByteArray> out = {
        readFixture("libreoffice.rtf"),
        readFixture("pandoc.rtf"),
        R"({\rtf1\ansi\ansicpg1250\deff0{\fonttbl{\f0\fcharset238 A;}{\f1\fcharset2 Symbol;}{\f2\fcharset128 J;}})"
        R"({\colortbl;\red255\green0\blue0;}\uc2\u-10179 ab\u-8704\'41\'42{\f1\'b7}{\f2\'82\'a0}\cf1\b x\par})",
        R"({\rtf1{\field{\*\fldinst HYPERLINK "u" \\l "a"}{\fldrslt{\ul link}}}{\upr{a}{\*\ud{b}}}\trowd a\cell b\cell\row})",
        R"({\rtf1 a\par\trowd\trqc\clbrdrt\brdrs\cellx900\cellx2000\pard\intbl\qc x\cell{\v y}\cell\row)"
        R"(\pard\intbl\itap2 n\nestcell{\*\nesttableprops\trowd\cellx9\nestrow}\itap1\cell\row b})",
        R"({\rtf1{\*\shppict{\pict\pngblip\picwgoal30\pichgoal30\bin4 {}\x}}{\nonshppict{\pict\wmetafile8 01}}\line\tab})",
        "{\\rtf1 one\\\ntwo\\'e9\\u233?{\\*\\x{\\y}}\\~\\-\\_\\{\\}\\\\}",
    };
    out.push_back("{\\rtf1{\\pict\\pngblip\\picw3\\pich3 " + encodedImage("png", QSize(3, 3)).toHex() + "}}");
    out.push_back("{\\rtf1{\\pict\\jpegblip " + encodedImage("jpeg", QSize(5, 4)).toHex() + "}}");
    return out;
}

// Bounded random mutations of the fixtures, with a fixed seed so a failure repeats.
TEST(RtfRobustness, MutatedDocumentsAreReadWithoutFault)
{
    const std::vector<QByteArray> inputs = seeds();
    const char *tokens[] = {"{", "}", "\\", "\\'", "\\'9", "\\'ff", "\\u-", "\\u55357?", "\\u56832 ", "\\uc9 ",
                            "\\bin", "\\bin7 ", "\\bin99999999999 ", "\\*", "\\pict\\pngblip ", "\\pict\\emfblip\\picw99999 ",
                            "\\par", "\\cell", "\\row", "\\fldrslt ", "\\fldinst ", "\\fs-999999999999", "\\f7 ",
                            "\\ansicpg932 ", "\\ansicpg65001 ", "\\upr{", "{\\*\\ud ", "\\v ", "\\fonttbl ", "\\colortbl ",
                            "\\picscalex99999 ", "\\picwgoal-5 ", "\\'", "\r\n", "\\\n", "\0", "\xEF\xBF\xBC", "\\u-1568 ",
                            "\\u64976 ", "\\u8233 ", "\\u13 ", "\\trowd", "\\cellx-9 ", "\\cellx99999999999 ",
                            "\\intbl ", "\\nestcell ", "\\nestrow ", "{\\*\\nesttableprops ", "\\clbrdrt\\brdrdb\\brdrw99 ",
                            "\\trqc "};
    // Broken pictures make the image decoders complain; that is expected here.
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    std::mt19937 rng(20240611);
    auto pick = [&](qsizetype n) { return qsizetype(std::uniform_int_distribution<qint64>(0, std::max<qint64>(n - 1, 0))(rng)); };
    for (int i = 0; i < 3000; ++i) {
        QByteArray input = inputs[size_t(pick(qsizetype(inputs.size())))];
        const int edits = 1 + int(pick(4));
        for (int e = 0; e < edits; ++e) {
            const qsizetype at = pick(input.size() + 1);
            switch (pick(6)) {
            case 0:
                if (!input.isEmpty())
                    input[std::min(at, input.size() - 1)] = char(pick(256));
                break;
            case 1: {
                const char *token = tokens[pick(std::size(tokens))];
                input.insert(at, QByteArray(token, token[0] ? qsizetype(strlen(token)) : 1));
                break;
            }
            case 2:
                input.remove(at, pick(64));
                break;
            case 3:
                input.insert(at, input.mid(pick(input.size()), pick(128)));
                break;
            case 4:
                input.truncate(at);
                break;
            default:
                input.insert(at, QByteArray(int(pick(300)), pick(2) ? '{' : '}'));
                break;
            }
        }
        QTextDocument doc;
        const ReadResult result = read(input, doc);
        expectSound(input, result, doc);
        if (testing::Test::HasFailure()) {
            ADD_FAILURE() << "input " << i << ": " << input.toStdString();
            break;
        }
    }
    qInstallMessageHandler(previous);
}

// Inputs that once broke the reader, kept as files.
std::vector<std::string> regressionFiles()
{
    std::vector<std::string> names;
    const QDir dir(testData() + "/rtf-regressions");
    for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
        names.push_back(name.toStdString());
    return names;
}

class RtfRegression : public testing::TestWithParam<std::string> {};

TEST_P(RtfRegression, IsReadWithoutFault)
{
    QFile file(testData() + "/rtf-regressions/" + QString::fromStdString(GetParam()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray input = file.readAll();
    QTextDocument doc;
    expectSound(input, read(input, doc), doc);
}

GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RtfRegression);
INSTANTIATE_TEST_SUITE_P(Files, RtfRegression, testing::ValuesIn(regressionFiles()),
                         [](const testing::TestParamInfo<std::string> &row) {
                             std::string name = row.param;
                             for (char &c : name)
                                 if (!isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

} // namespace
