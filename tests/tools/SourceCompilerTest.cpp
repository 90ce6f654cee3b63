#include "catalogue/SourceCompiler.h"

#include <gtest/gtest.h>

namespace pivo::tool {
namespace {

std::vector<std::uint8_t> figureRecord(std::uint8_t category, std::uint8_t first) {
    std::vector<std::uint8_t> r{category};
    for (int i = 0; i < 21; ++i) r.push_back(static_cast<std::uint8_t>(first + i));
    return r;
}

constexpr std::string_view Figure1 = "1,2,3 4,5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,21";

SourceError onlyError(std::string_view text) {
    SourceCompiler compiler;
    compiler.addSource("f.pvc", text);
    EXPECT_EQ(compiler.errors().size(), 1u) << text;
    return compiler.errors().empty() ? SourceError{} : compiler.errors()[0];
}

// Figure lines become 22-byte records under the last category; comments, names and blanks vanish.
TEST(SourceCompiler, CompilesFiguresUnderTheirCategory) {
    SourceCompiler compiler;
    compiler.addSource("a.pvc", "# a comment\n\n   # indented comment\ncategory 3  # Buildings and ships\r\n"
                                "1,2,3 4,5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,21   # tower, with # inside\r\n"
                                "category 255\n"
                                "\t1,2,3\t4,5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,21");
    EXPECT_TRUE(compiler.errors().empty());
    std::vector<std::uint8_t> expected = figureRecord(3, 1);
    const auto second = figureRecord(255, 1);
    expected.insert(expected.end(), second.begin(), second.end());
    EXPECT_EQ(compiler.bytes(), expected);
}

// Sources are concatenated in order, and each must name its own category.
TEST(SourceCompiler, ConcatenatesSourcesButNotTheirCategories) {
    SourceCompiler compiler;
    compiler.addSource("a.pvc", "category 1\n" + std::string(Figure1) + "\n");
    compiler.addSource("b.pvc", "category 0\n0,0,0 0,0,0 0,0,0 0,0,0 0,0,0 0,0,0 0,0,0\n");
    ASSERT_TRUE(compiler.errors().empty());
    ASSERT_EQ(compiler.bytes().size(), 44u);
    EXPECT_EQ(compiler.bytes()[0], 1);
    EXPECT_EQ(compiler.bytes()[22], 0);

    compiler.addSource("c.pvc", "\n" + std::string(Figure1) + "\n");
    ASSERT_EQ(compiler.errors().size(), 1u);
    EXPECT_EQ(formatSourceError(compiler.errors()[0]), "c.pvc:2: figure before the first 'category' line of the file");
}

// Every kind of malformed line is reported with its file and line, and all errors are collected.
TEST(SourceCompiler, ReportsEachSyntaxErrorWithItsLine) {
    EXPECT_EQ(onlyError("category 1\n" + std::string(Figure1) + " 1,1,1\n").line, 2);
    EXPECT_EQ(onlyError("category 1\n1,2,3 4,5,6\n").message, "expected 7 tans as x,y,o, found 2");
    EXPECT_EQ(onlyError("category 1\n1,2,3 4,5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,256\n").message,
              "tan 7: '19,20,256' is not x,y,o with values 0..255");
    EXPECT_NE(onlyError("category 1\n1,2 4,5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,21\n").message.find("tan 1"),
              std::string::npos);
    EXPECT_NE(onlyError("category 1\n1,2,3,4 4,5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,21\n").message.find("tan 1"),
              std::string::npos);
    EXPECT_NE(onlyError("category 1\n1,2,3 4,-5,6 7,8,9 10,11,12 13,14,15 16,17,18 19,20,21\n").message.find("tan 2"),
              std::string::npos);
    EXPECT_NE(onlyError("category 1\n1,2,3 4,5,6 7,,9 10,11,12 13,14,15 16,17,18 19,20,21\n").message.find("tan 3"),
              std::string::npos);
    EXPECT_NE(onlyError("category 1\n1,2,3 4,5,6 7,8,9 1x,11,12 13,14,15 16,17,18 19,20,21\n").message.find("tan 4"),
              std::string::npos);
    EXPECT_EQ(onlyError("category 256\n").message, "category '256' is not a number 0..255");
    EXPECT_EQ(onlyError("category -1\n").message, "category '-1' is not a number 0..255");
    EXPECT_EQ(onlyError("category\n").message, "expected 'category N' with one number 0..255");
    EXPECT_EQ(onlyError("category 1 2\n").message, "expected 'category N' with one number 0..255");
    EXPECT_EQ(onlyError("categroy 1\n").message,
              "unknown line 'categroy': expected 'category N', seven x,y,o triples or 'trailing'");

    SourceCompiler compiler;
    compiler.addSource("x.pvc", "category 1\nbad\n" + std::string(Figure1) + "\n1,2,3\n");
    ASSERT_EQ(compiler.errors().size(), 2u);
    EXPECT_EQ(compiler.errors()[0].line, 2);
    EXPECT_EQ(compiler.errors()[1].line, 4);
    EXPECT_EQ(compiler.errors()[1].file, "x.pvc");
}

// A message never passes on what could drive a terminal: control characters, C1 controls and bytes that
// are not UTF-8 come out escaped, a long token is cut, and a file name is escaped too. Plain text and
// UTF-8 letters stay as they are.
TEST(SourceCompiler, MessagesShowHostileBytesEscapedAndLongTokensCut) {
    EXPECT_EQ(onlyError("category 1\n\x1b[31mRED\x07\n").message,
              "unknown line '\\x1b[31mRED\\x07': expected 'category N', seven x,y,o triples or 'trailing'");
    EXPECT_EQ(onlyError("category \xc2\x9b" "2J\xe9\n").message, "category '\\xc2\\x9b2J\\xe9' is not a number 0..255");
    EXPECT_EQ(onlyError("category Größe\n").message, "category 'Größe' is not a number 0..255");
    const std::string huge(1 << 20, 'x');
    EXPECT_EQ(onlyError("category " + huge + "\n").message,
              "category '" + std::string(32, 'x') + "...' is not a number 0..255");
    // A cut never splits a character.
    EXPECT_EQ(onlyError("category " + std::string(31, 'x') + "ö\n").message,
              "category '" + std::string(31, 'x') + "...' is not a number 0..255");

    SourceCompiler compiler;
    compiler.addSource("evil\x1b]0;title\x07.pvc", "bad\n");
    ASSERT_EQ(compiler.errors().size(), 1u);
    EXPECT_EQ(formatSourceError(compiler.errors()[0]).rfind("evil\\x1b]0;title\\x07.pvc:1: ", 0), 0u);
}

// A byte-order mark that some editors put at the start of a UTF-8 file is no part of the first line.
TEST(SourceCompiler, ByteOrderMarkAtTheStartIsSkipped) {
    SourceCompiler compiler;
    compiler.addSource("bom.pvc", "\xef\xbb\xbf" "category 1\n" + std::string(Figure1) + "\n");
    EXPECT_TRUE(compiler.errors().empty());
    EXPECT_EQ(compiler.bytes(), figureRecord(1, 1));
    EXPECT_EQ(onlyError("category 1\n\xef\xbb\xbf" + std::string(Figure1) + "\n").line, 2);
}

// A partial record at the end of a damaged file comes back from its hex bytes, and only at the end.
TEST(SourceCompiler, TrailingBytesEndTheCatalogue) {
    SourceCompiler compiler;
    compiler.addSource("a.pvc", "category 2\n" + std::string(Figure1) + "\ntrailing 00 7f FF\n# still fine\n");
    ASSERT_TRUE(compiler.errors().empty());
    ASSERT_EQ(compiler.bytes().size(), 25u);
    EXPECT_EQ(std::vector<std::uint8_t>(compiler.bytes().begin() + 22, compiler.bytes().end()),
              (std::vector<std::uint8_t>{0x00, 0x7f, 0xff}));

    compiler.addSource("b.pvc", "category 2\n");
    ASSERT_EQ(compiler.errors().size(), 1u);
    EXPECT_EQ(formatSourceError(compiler.errors()[0]),
              "b.pvc:1: nothing but comments may follow the trailing bytes of a.pvc:3");

    EXPECT_EQ(onlyError("trailing\n").message, "'trailing' takes 1 to 21 bytes, found 0");
    EXPECT_EQ(onlyError("trailing 00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f 10 11 12 13 14 15\n").message,
              "'trailing' takes 1 to 21 bytes, found 22");
    EXPECT_EQ(onlyError("trailing 0g\n").message, "trailing byte '0g' is not two hex digits");
    EXPECT_EQ(onlyError("trailing 1\n").message, "trailing byte '1' is not two hex digits");
}

}  // namespace
}  // namespace pivo::tool
