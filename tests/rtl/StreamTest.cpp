#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include "support/TestSupport.h"

TEST(StreamTest, MemoryStreamOverwritesAndGrows)
{
    rtl::TMemoryStream m;
    m.WriteBytes("hello world");
    m.SetPosition(6);
    m.WriteBytes("there, all");
    EXPECT_EQ(m.Bytes(), "hello there, all");
    m.SetPosition(0);
    char buf[5];
    EXPECT_EQ(m.Read(buf, 5), 5u);
    EXPECT_EQ(std::string(buf, 5), "hello");
    EXPECT_EQ(m.Size(), 16);
    EXPECT_EQ(m.Position(), 5) << "Size keeps the position";
    m.Seek(0, rtl::SeekOrigin::End);
    EXPECT_EQ(m.Read(buf, 5), 0u);
}

TEST(StreamTest, FileStreamCreatesEmptiesAndCopies)
{
    testsupport::TempDir dir;
    const std::string path = dir.File("out.bin");
    testsupport::WriteBytes(path, "old content that must go");
    {
        rtl::TFileStream f(path, rtl::TFileStream::Mode::Create);
        rtl::TMemoryStream m;
        m.WriteBytes(std::string("\0binary\xff", 8));
        // CopyAllFrom copies from the source's first byte, wherever it stands.
        EXPECT_EQ(f.CopyAllFrom(m), 8);
    }
    EXPECT_EQ(testsupport::ReadBytes(path), std::string("\0binary\xff", 8));
    rtl::TFileStream r(path, rtl::TFileStream::Mode::OpenRead);
    EXPECT_EQ(r.Size(), 8);
    EXPECT_THROW(rtl::TFileStream(dir.File("missing"), rtl::TFileStream::Mode::OpenRead), rtl::EFOpenError);
    EXPECT_THROW(rtl::TFileStream(dir.File("no-folder/x"), rtl::TFileStream::Mode::Create), rtl::EFCreateError);
}
