#include "sound/MemoryReader.h"

#include "SoundData.h"
#include "sound/Library.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

namespace {

const uint8_t kData[] = {10, 20, 30, 40, 50};

TEST(MemoryReaderTest, SeekAnswersZeroOnSuccessAsTheLibraryExpects) {
  MemoryReader m(kData, sizeof kData);
  MREADER* r = m.reader();
  EXPECT_EQ(r->Seek(r, 2, SEEK_SET), 0);
  EXPECT_EQ(r->Tell(r), 2);
  EXPECT_EQ(r->Seek(r, 1, SEEK_CUR), 0);
  EXPECT_EQ(r->Tell(r), 3);
  EXPECT_EQ(r->Seek(r, -1, SEEK_END), 0);
  EXPECT_EQ(r->Get(r), 50);
  EXPECT_EQ(r->Seek(r, 0, SEEK_SET), 0);
  EXPECT_EQ(r->Get(r), 10);
}

TEST(MemoryReaderTest, BadSeeksFailAndLeaveThePositionAlone) {
  MemoryReader m(kData, sizeof kData);
  MREADER* r = m.reader();
  ASSERT_EQ(r->Seek(r, 3, SEEK_SET), 0);
  EXPECT_NE(r->Seek(r, -4, SEEK_CUR), 0);  // before the start
  EXPECT_NE(r->Seek(r, -6, SEEK_END), 0);
  EXPECT_NE(r->Seek(r, 0, 7), 0);          // no such whence
  EXPECT_EQ(r->Tell(r), 3);
  // Past the end stops at the end.
  EXPECT_EQ(r->Seek(r, 100, SEEK_SET), 0);
  EXPECT_EQ(r->Tell(r), 5);
  EXPECT_TRUE(r->Eof(r));
}

TEST(MemoryReaderTest, GetAnswersEofAtTheEndAndStaysThere) {
  MemoryReader m(kData, 2);  // only the first two bytes are the entry's
  MREADER* r = m.reader();
  EXPECT_FALSE(r->Eof(r));
  EXPECT_EQ(r->Get(r), 10);
  EXPECT_EQ(r->Get(r), 20);
  EXPECT_TRUE(r->Eof(r));
  EXPECT_EQ(r->Get(r), EOF);
  EXPECT_EQ(r->Get(r), EOF);
  EXPECT_EQ(m.position(), 2);
}

TEST(MemoryReaderTest, ReadsPastTheEndAreRefusedAndCopyNothingBeyondTheData) {
  MemoryReader m(kData, 4);
  MREADER* r = m.reader();
  std::array<uint8_t, 6> out;
  out.fill(0xEE);
  EXPECT_TRUE(r->Read(r, out.data(), 2));
  EXPECT_EQ(out[0], 10);
  EXPECT_EQ(out[1], 20);
  out.fill(0xEE);
  EXPECT_FALSE(r->Read(r, out.data(), 6));  // only two of six bytes are left
  EXPECT_EQ(out[0], 30);
  EXPECT_EQ(out[1], 40);
  EXPECT_EQ(out[2], 0xEE);  // nothing from beyond the entry
  EXPECT_TRUE(r->Eof(r));
  EXPECT_FALSE(r->Read(r, out.data(), 1));
  EXPECT_EQ(out[0], 30);
}

// The loaders count offsets from where the library found the reader (its iobase).
TEST(MemoryReaderTest, OffsetsFromTheStartCountFromTheLibrarysBase) {
  MemoryReader m(kData, sizeof kData);
  MREADER* r = m.reader();
  ASSERT_EQ(r->Seek(r, 2, SEEK_SET), 0);
  r->iobase = 2;
  EXPECT_EQ(r->Tell(r), 0);
  EXPECT_EQ(r->Seek(r, 1, SEEK_SET), 0);
  EXPECT_EQ(r->Get(r), 40);
  EXPECT_EQ(r->Seek(r, -2, SEEK_SET), 0);
  EXPECT_EQ(r->Get(r), 10);
  EXPECT_NE(r->Seek(r, -3, SEEK_SET), 0);  // before the data
}

// The whole way through the library: a song (whose loader seeks and checks the answer) and
// an effect load from memory, and a song cut short fails cleanly instead of reading on.
TEST(MemoryReaderTest, TheLibraryLoadsSongsAndEffectsThroughIt) {
  registerSoundLibraryParts();
  md_device = UWORD(MikMod_DriverFromAlias("nosound"));
  ASSERT_NE(md_device, 0);
  ASSERT_EQ(MikMod_Init(""), 0);

  const Bytes song = makeSong();
  MemoryReader songReader(song.data(), song.size());
  MODULE* module = Player_LoadGeneric(songReader.reader(), 4, 0);
  ASSERT_NE(module, nullptr) << MikMod_strerror(MikMod_errno);
  EXPECT_EQ(module->numchn, 4);
  EXPECT_EQ(module->numpos, 3);
  Player_Free(module);

  // Each cut copy ends its own heap block, so a read past it would not go unnoticed.
  for (size_t cut : {size_t(40), size_t(400), song.size() - 20}) {
    const Bytes cutShort(song.begin(), song.begin() + long(cut));
    MemoryReader shortReader(cutShort.data(), cutShort.size());
    MODULE* broken = Player_LoadGeneric(shortReader.reader(), 4, 0);
    if (cut <= 400) {
      EXPECT_EQ(broken, nullptr) << "cut at " << cut;
    }
    if (broken) Player_Free(broken);
  }

  const Bytes wav = makeWav(11025, 300);
  MemoryReader wavReader(wav.data(), wav.size());
  SAMPLE* sample = Sample_LoadGeneric(wavReader.reader());
  ASSERT_NE(sample, nullptr);
  EXPECT_EQ(sample->length, 300u);
  EXPECT_EQ(sample->speed, 11025u);
  Sample_Free(sample);
  MikMod_Exit();
}

}  // namespace
