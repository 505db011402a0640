#include "framework/base/File.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// Bytes of a literal, embedded NULs included.
template <size_t N>
std::string Bytes(const char (&text)[N]) {
  return std::string(text, N - 1);
}

// Test files live in the test's working folder (the build folder).
std::string WriteRaw(const char* name, const std::string& bytes) {
  std::FILE* f = std::fopen(name, "wb");
  EXPECT_NE(nullptr, f);
  if (f) {
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return name;
}

std::string ReadRaw(const char* name) {
  std::string bytes;
  std::FILE* f = std::fopen(name, "rb");
  if (!f) return "<missing>";
  int c;
  while ((c = std::getc(f)) != EOF) bytes += static_cast<char>(c);
  std::fclose(f);
  return bytes;
}

std::vector<std::string> ReadLines(const char* name, UINT flags = 0) {
  std::vector<std::string> lines;
  CStdioFile f;
  EXPECT_TRUE(f.Open(name, CFile::modeRead | flags));
  CString line;
  while (f.ReadString(line)) lines.push_back(line.str());
  EXPECT_TRUE(line.IsEmpty());
  EXPECT_TRUE(f.Close());
  return lines;
}

}  // namespace

TEST(CStdioFile, WritesCrLfExactly) {
  const char* name = "qx_base_crlf_write.txt";
  CStdioFile f;
  ASSERT_TRUE(f.Open(name, CFile::modeCreate | CFile::modeWrite | CFile::typeText));
  EXPECT_TRUE(f.WriteString("a\nb\r\n"));
  EXPECT_TRUE(f.WriteString("c\r"));  // CR now, LF in the next call: no second CR
  EXPECT_TRUE(f.WriteString("\n\n"));
  EXPECT_TRUE(f.WriteString(CString(Bytes("z\0\x1a"))));
  EXPECT_TRUE(f.WriteString(""));
  EXPECT_TRUE(f.Close());
  EXPECT_EQ(Bytes("a\r\nb\r\nc\r\n\r\nz\0\x1a"), ReadRaw(name));

  // Binary mode writes the bytes as they are.
  ASSERT_TRUE(f.Open(name, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary));
  EXPECT_TRUE(f.WriteString("a\nb"));
  EXPECT_TRUE(f.Close());
  EXPECT_EQ("a\nb", ReadRaw(name));
  std::remove(name);
}

TEST(CStdioFile, ReadsLinesWhateverTheLineEnds) {
  const char* name = "qx_base_crlf_read.txt";
  WriteRaw(name, Bytes("lf\ncrlf\r\nnul\0and\x1a\r\nlone\rcr\n\r\n\nlast\r"));
  std::vector<std::string> expected = {"lf", "crlf", Bytes("nul\0and\x1a"), "lone\rcr", "",
                                       "",   "last"};
  EXPECT_EQ(expected, ReadLines(name));

  WriteRaw(name, "no final newline");
  EXPECT_EQ(std::vector<std::string>{"no final newline"}, ReadLines(name));
  WriteRaw(name, "");
  EXPECT_TRUE(ReadLines(name).empty());
  WriteRaw(name, "\n");
  EXPECT_EQ(std::vector<std::string>{""}, ReadLines(name));
  WriteRaw(name, "bin\r\n");
  EXPECT_EQ(std::vector<std::string>{"bin\r"}, ReadLines(name, CFile::typeBinary));

  // The buffer form keeps the LF, drops the CR and splits long lines.
  WriteRaw(name, "abcdef\r\ng\r");
  CStdioFile f;
  ASSERT_TRUE(f.Open(name, CFile::modeRead));
  char buf[5];
  EXPECT_STREQ("abcd", f.ReadString(buf, sizeof buf));
  EXPECT_STREQ("ef\n", f.ReadString(buf, sizeof buf));
  EXPECT_STREQ("g", f.ReadString(buf, sizeof buf));
  EXPECT_EQ(nullptr, f.ReadString(buf, sizeof buf));
  EXPECT_STREQ("", buf);
  f.Close();
  std::remove(name);
}

TEST(CFile, ReadWriteSeekAndModes) {
  const char* name = "qx_base_modes.bin";
  std::remove(name);
  CFile f;
  CFileException err;
  EXPECT_FALSE(f.Open(name, CFile::modeWrite, &err)) << "modeWrite alone needs an existing file";
  EXPECT_EQ(CFileException::fileNotFound, err.m_cause);

  ASSERT_TRUE(f.Open(name, CFile::modeCreate | CFile::modeReadWrite));
  EXPECT_TRUE(f.Write("0123456789", 10));
  EXPECT_EQ(10, f.GetLength());
  EXPECT_EQ(2, f.Seek(2, CFile::begin));
  char buf[4] = {};
  EXPECT_EQ(3u, f.Read(buf, 3));
  EXPECT_STREQ("234", buf);
  EXPECT_TRUE(f.Write("xy", 2));  // switching from reading to writing
  EXPECT_EQ(7, f.GetPosition());
  EXPECT_EQ(8, f.Seek(-2, CFile::end));
  EXPECT_EQ(2u, f.Read(buf, 3));
  EXPECT_EQ(-1, f.Seek(-100, CFile::begin));
  EXPECT_TRUE(f.Close());
  EXPECT_EQ("01234xy789", ReadRaw(name));
  EXPECT_EQ("qx_base_modes.bin", f.GetFileName());
  EXPECT_EQ("qx_base_modes", f.GetFileTitle());

  ASSERT_TRUE(f.Open(name, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite));
  f.SeekToEnd();
  EXPECT_TRUE(f.Write("!", 1));
  EXPECT_TRUE(f.Close());
  EXPECT_EQ("01234xy789!", ReadRaw(name));
  EXPECT_TRUE(CFile::Remove(name));
  EXPECT_FALSE(CFile::Exists(name));
  EXPECT_FALSE(CFile::Remove(name));
}

TEST(CFile, OpenFailuresAreReportedNotThrown) {
  CStdioFile f;
  CFileException err;
  EXPECT_FALSE(f.Open("qx_base_no_such_file.txt", CFile::modeRead, &err));
  EXPECT_EQ(CFileException::fileNotFound, err.m_cause);
  EXPECT_EQ("qx_base_no_such_file.txt", err.m_strFileName);
  EXPECT_FALSE(f.IsOpen());
  CString line;
  EXPECT_FALSE(f.ReadString(line));

  EXPECT_FALSE(f.Open("qx_base_no_dir/x.txt", CFile::modeCreate | CFile::modeWrite, &err));
  EXPECT_NE(CFileException::none, err.m_cause);
  EXPECT_FALSE(f.Open("", CFile::modeRead, &err));
  EXPECT_FALSE(f.Open(nullptr, CFile::modeRead));

  // A folder is not a file, for reading or for writing (and survives).
#ifdef _WIN32
  _mkdir("qx_base_dir");
#else
  mkdir("qx_base_dir", 0755);
#endif
  EXPECT_FALSE(f.Open("qx_base_dir", CFile::modeRead, &err));
  EXPECT_EQ(CFileException::accessDenied, err.m_cause);
  EXPECT_FALSE(f.Open("qx_base_dir", CFile::modeCreate | CFile::modeWrite, &err));
  EXPECT_EQ(CFileException::accessDenied, err.m_cause);
  EXPECT_TRUE(CFile::Exists("qx_base_dir"));
  EXPECT_FALSE(err.GetErrorMessage().IsEmpty());
}

TEST(CFile, WriteErrorsAreSticky) {
  const char* name = "qx_base_readonly.txt";
  WriteRaw(name, "keep");

  // Writing to a file opened for reading fails, and Close says so.
  CStdioFile f;
  ASSERT_TRUE(f.Open(name, CFile::modeRead));
  EXPECT_FALSE(f.WriteString("lost\n"));
  EXPECT_TRUE(f.HasError());
  EXPECT_FALSE(f.Close());
  EXPECT_FALSE(f.Write("x", 1)) << "a closed file cannot be written";
  EXPECT_EQ("keep", ReadRaw(name));

  // A read-only file cannot be opened for writing. An administrator (or
  // root under Wine) may ignore the bit; the probe finds that out.
  chmod(name, S_IREAD);
  std::FILE* probe = std::fopen(name, "ab");
  bool privileged = probe != nullptr;
  if (probe) std::fclose(probe);
  CFileException err;
  BOOL opened = f.Open(name, CFile::modeCreate | CFile::modeWrite, &err);
  if (!privileged) {
    EXPECT_FALSE(opened);
    EXPECT_EQ(CFileException::accessDenied, err.m_cause);
    EXPECT_EQ("keep", ReadRaw(name));
  }
  f.Abort();
  chmod(name, S_IREAD | S_IWRITE);
  std::remove(name);

#ifndef _WIN32
  // A full disk shows at the latest when the buffered data is flushed.
  ASSERT_TRUE(f.Open("/dev/full", CFile::modeWrite));
  f.WriteString("data that cannot be stored\n");
  EXPECT_FALSE(f.Close());
  EXPECT_TRUE(f.HasError());
  // Also when a length query flushed (and lost) the data first.
  ASSERT_TRUE(f.Open("/dev/full", CFile::modeWrite));
  f.WriteString("lost in GetLength\n");
  f.GetLength();
  EXPECT_FALSE(f.Close());
#endif
}

TEST(CFile, ReplaceTakesTheTargetsPlaceOnEveryBuild) {
  const char* source = "qx_base_replace_new.txt";
  const char* target = "qx_base_replace_old.txt";
  std::remove(target);
  CFileException err;

  // No target yet, then an existing one: both end with the source's bytes.
  WriteRaw(source, "first");
  ASSERT_TRUE(CFile::Replace(source, target, &err));
  EXPECT_EQ("first", ReadRaw(target));
  EXPECT_FALSE(CFile::Exists(source));
  WriteRaw(source, "second");
  ASSERT_TRUE(CFile::Replace(source, target));
  EXPECT_EQ("second", ReadRaw(target));
  EXPECT_FALSE(CFile::Exists(source));

  // A missing source or a missing folder fails and leaves the files alone.
  EXPECT_FALSE(CFile::Replace(source, target, &err));
  EXPECT_EQ(CFileException::fileNotFound, err.m_cause);
  EXPECT_EQ("second", ReadRaw(target));
  WriteRaw(source, "third");
  EXPECT_FALSE(CFile::Replace(source, "qx_base_no_dir/x.txt", &err));
  EXPECT_EQ("third", ReadRaw(source));
  EXPECT_FALSE(CFile::Replace(nullptr, target));
  EXPECT_FALSE(CFile::Replace(source, nullptr));

  // A read-only file and a folder are never replaced, even where the
  // system itself would allow it (root, POSIX rename over a file).
  chmod(target, S_IREAD);
  EXPECT_FALSE(CFile::Replace(source, target, &err));
  EXPECT_EQ(CFileException::accessDenied, err.m_cause);
  EXPECT_EQ(target, err.m_strFileName);
  EXPECT_EQ("second", ReadRaw(target));
  EXPECT_EQ("third", ReadRaw(source));
  chmod(target, S_IREAD | S_IWRITE);
#ifdef _WIN32
  _mkdir("qx_base_replace_dir");
#else
  mkdir("qx_base_replace_dir", 0755);
#endif
  EXPECT_FALSE(CFile::Replace(source, "qx_base_replace_dir", &err));
  EXPECT_EQ(CFileException::accessDenied, err.m_cause);
  EXPECT_TRUE(CFile::Exists("qx_base_replace_dir"));
  EXPECT_EQ("third", ReadRaw(source));

  std::remove(source);
  std::remove(target);
}
