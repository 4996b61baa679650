#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "model/DevImageRecord.h"
#include "model/DeviceRecord.h"
#include "model/RecordIO.h"

namespace {

using namespace model;

DevImageRecord PatternImage(int seed) {
    DevImageRecord rec;
    for (size_t a = 0; a < rec.ProgImage.size(); ++a)
        rec.ProgImage[a] = static_cast<uint8_t>(a * 7 + seed);
    for (size_t a = 0; a < rec.DevExtra.size(); ++a)
        rec.DevExtra[a] = static_cast<uint8_t>(a * 13 + seed);
    for (size_t a = 0; a < rec.PanelState.size(); ++a)
        rec.PanelState[a] = static_cast<uint8_t>(a + seed);
    return rec;
}

TEST(RecordIO, WritesLittleEndianMembersWithoutPadding) {
    RecordWriter w;
    w.Byte(0xAB);
    w.Int16(-2);
    w.Int32(0x01020304);
    w.Float(1.0f);
    w.Text("ab");
    w.Text("");
    const std::vector<uint8_t> expected = {0xAB, 0xFE, 0xFF, 0x04, 0x03, 0x02, 0x01, 0x00, 0x00,
                                           0x80, 0x3F, 0x02, 0x00, 'a',  'b',  0x00, 0x00};
    EXPECT_EQ(w.Data(), expected);
    w.Double(-2.5431);
    ASSERT_EQ(w.Data().size(), expected.size() + 8);
    EXPECT_FALSE(w.Failed());

    RecordReader r(w.Data());
    EXPECT_EQ(r.Byte(), 0xAB);
    EXPECT_EQ(r.Int16(), -2);
    EXPECT_EQ(r.Int32(), 0x01020304);
    EXPECT_EQ(r.Float(), 1.0f);
    EXPECT_EQ(r.Text(), "ab");
    EXPECT_EQ(r.Text(), "");
    EXPECT_EQ(r.Position(), expected.size());
    EXPECT_EQ(r.Double(), -2.5431);
    EXPECT_FALSE(r.Malformed());
}

TEST(RecordIO, ShortDataReadsAsZerosAndEmptyTexts) {
    const std::vector<uint8_t> data = {0x05, 0x00, 'a', 'b'};  // a 5-byte text cut off
    RecordReader r(data);
    EXPECT_EQ(r.Text(), "");
    EXPECT_EQ(r.Int16(), 0);
    EXPECT_EQ(r.Int32(), 0);
    EXPECT_EQ(r.Text(), "");
    uint8_t bytes[3] = {9, 9, 9};
    r.Bytes(bytes);
    EXPECT_EQ(bytes[0] + bytes[1] + bytes[2], 0);
    EXPECT_FALSE(r.Malformed());

    const std::vector<uint8_t> oneByte = {0x34};
    RecordReader half(oneByte);
    EXPECT_EQ(half.Int16(), 0x34);
}

TEST(RecordIO, ATextRunningPastTheLimitIsMalformed) {
    RecordWriter w;
    w.Text(std::string(20, 'x'));
    w.Int16(7);
    RecordReader r(w.Data(), 16);
    EXPECT_EQ(r.Text(), "");
    EXPECT_TRUE(r.Malformed());
    EXPECT_EQ(r.Int16(), 0);  // everything after a fault reads as zero

    // Cut to its first bytes, the text may run past the limit; what follows it may not.
    RecordReader cut(w.Data(), 16);
    EXPECT_EQ(cut.Text(5), "xxxxx");
    EXPECT_FALSE(cut.Malformed());
    EXPECT_EQ(cut.Int16(), 0);
    EXPECT_TRUE(cut.Malformed());

    RecordWriter tooLong;
    tooLong.Text(std::string(70000, 'x'));
    EXPECT_TRUE(tooLong.Failed());
    EXPECT_TRUE(tooLong.Data().empty());
}

TEST(DevImageRecordIO, RoundTripsByteForByte) {
    const DevImageRecord rec = PatternImage(3);
    RecordWriter w;
    WriteDevImageRecord(w, rec);
    ASSERT_EQ(w.Data().size(), DevImageRecord::Size);
    EXPECT_EQ(w.Data()[0], rec.ProgImage[0]);
    EXPECT_EQ(w.Data()[929], rec.DevExtra[16]);
    EXPECT_EQ(w.Data()[1712], rec.PanelState[30]);
    EXPECT_EQ(w.Data()[1762], rec.PanelState[80]);

    DevImageRecord back;
    RecordReader r(w.Data());
    ReadDevImageRecord(r, back);
    EXPECT_EQ(back, rec);
}

TEST(DevImageRecordIO, BackToBackRecordsAndAShortTail) {
    RecordWriter w;
    WriteDevImageRecord(w, PatternImage(1));
    WriteDevImageRecord(w, PatternImage(2));
    std::vector<uint8_t> file = w.Data();
    file.resize(DevImageRecord::Size + 1000);  // the second record cut short

    RecordReader r(file);
    DevImageRecord first, second = PatternImage(9), third = PatternImage(9);
    ReadDevImageRecord(r, first);
    ReadDevImageRecord(r, second);
    ReadDevImageRecord(r, third);
    EXPECT_EQ(first, PatternImage(1));
    EXPECT_EQ(second.ProgImage, PatternImage(2).ProgImage);
    EXPECT_EQ(second.DevExtra[86], PatternImage(2).DevExtra[86]);
    EXPECT_EQ(second.DevExtra[87], 0);
    EXPECT_EQ(second.PanelState, DevImageRecord{}.PanelState);
    EXPECT_EQ(third, DevImageRecord{});
}

DeviceRecord SampleDevice() {
    DeviceRecord rec;
    rec.IpOctets = {192, 168, 0, 10};
    rec.IpText = "";
    rec.DevId = 17;
    rec.Online = 1;
    rec.LinkKind = 1;
    rec.Used = -1;
    rec.WinLeft = 1234.5f;
    rec.WinTop = -60.25f;
    rec.NickName = "Amp1";
    return rec;
}

// Writes in and reads it back into out.
DeviceRecordFault Reread(const DeviceRecord& in, DeviceRecord& out) {
    RecordWriter w;
    WriteDeviceRecord(w, in);
    return ReadDeviceRecord(w.Data(), out);
}

TEST(DeviceRecordIO, A28ByteRecordRoundTripsByteForByte) {
    const DeviceRecord rec = SampleDevice();
    RecordWriter w;
    WriteDeviceRecord(w, rec);
    const std::vector<uint8_t> expected = {
        192,  168,  0,    10,   0,    0,    17,   0,    1, 0, 1,   0,   0xFF, 0xFF,
        0x00, 0x50, 0x9A, 0x44, 0x00, 0x00, 0x71, 0xC2, 4, 0, 'A', 'm', 'p',  '1'};
    ASSERT_EQ(w.Data(), expected);

    DeviceRecord back;
    EXPECT_EQ(ReadDeviceRecord(w.Data(), back), DeviceRecordFault::None);
    EXPECT_EQ(back, rec);
}

TEST(DeviceRecordIO, MembersFollowTheTextLengths) {
    DeviceRecord rec = SampleDevice();
    rec.IpText = "10.0.0.1";      // 8 characters
    rec.NickName = "Front left";  // 10 characters
    RecordWriter w;
    WriteDeviceRecord(w, rec);
    const auto& d = w.Data();
    ASSERT_EQ(d.size(), 42u);
    EXPECT_EQ(d[14], 17);    // DevId
    EXPECT_EQ(d[22], 0x00);  // WinLeft, little-endian single
    EXPECT_EQ(d[25], 0x44);
    EXPECT_EQ(d[30], 10);  // nick name length
    DeviceRecord back;
    EXPECT_EQ(ReadDeviceRecord(d, back), DeviceRecordFault::None);
    EXPECT_EQ(back, rec);
}

TEST(DeviceRecordIO, MissingBytesReadAsAFreeSlotAndOldTextsAreCleared) {
    DeviceRecord rec = SampleDevice();
    EXPECT_EQ(ReadDeviceRecord({}, rec), DeviceRecordFault::None);
    EXPECT_EQ(rec.Used, 0);
    EXPECT_EQ(rec.IpText, "");
    EXPECT_EQ(rec.NickName, "");
    EXPECT_EQ(rec.DevId, 0);
    EXPECT_EQ(rec.LinkKind, 0);
}

TEST(DeviceRecordIO, ReportsMalformedRecords) {
    DeviceRecord rec;
    RecordWriter longText;
    longText.Bytes(std::vector<uint8_t>{1, 2, 3, 4});
    longText.Int16(200);  // an address text of 200 bytes cannot fit a 128-byte slot
    EXPECT_EQ(ReadDeviceRecord(longText.Data(), rec), DeviceRecordFault::BadText);

    RecordWriter pastSlot;
    pastSlot.Bytes(std::vector<uint8_t>{1, 2, 3, 4});
    pastSlot.Text(std::string(110, '1'));  // the members after it end past the slot
    EXPECT_EQ(ReadDeviceRecord(pastSlot.Data(), rec), DeviceRecordFault::BadText);

    DeviceRecord bad = SampleDevice();
    bad.LinkKind = 3;
    EXPECT_EQ(Reread(bad, rec), DeviceRecordFault::BadLinkKind);
    for (int16_t id : {int16_t{-1}, int16_t{256}}) {
        bad = SampleDevice();
        bad.DevId = id;
        EXPECT_EQ(Reread(bad, rec), DeviceRecordFault::BadDevId);
    }
    // A slot neither free nor in the project could never be used again.
    bad = SampleDevice();
    bad.Used = 1;
    EXPECT_EQ(Reread(bad, rec), DeviceRecordFault::BadUsed);
}

// What was read always fits its slot again: the record keeps its device with its texts cut
// to their documented lengths.
TEST(DeviceRecordIO, TextsAreReadWithinTheirDocumentedLengths) {
    DeviceRecord big = SampleDevice();
    big.NickName = std::string(110, 'n');  // runs 6 bytes past the slot
    big.NickName[15] = 'X';
    RecordWriter w;
    WriteDeviceRecord(w, big);
    ASSERT_GT(w.Data().size(), 128u);
    const std::span<const uint8_t> slot(w.Data().data(), 128);
    DeviceRecord rec;
    ASSERT_EQ(ReadDeviceRecord(slot, rec), DeviceRecordFault::None);
    EXPECT_EQ(rec.NickName, std::string(15, 'n') + "X");
    big.NickName = rec.NickName;
    EXPECT_EQ(rec, big);

    DeviceRecord longIp = SampleDevice();
    longIp.IpText = "192.168.000.010 ";  // 16 characters
    ASSERT_EQ(Reread(longIp, rec), DeviceRecordFault::None);
    EXPECT_EQ(rec.IpText, "192.168.0.10");
    EXPECT_EQ(rec.DevId, longIp.DevId);
    EXPECT_EQ(rec.NickName, longIp.NickName);

    // The longest record read back is written within its slot.
    rec.IpText = "255.255.255.255";
    rec.NickName = std::string(16, 'n');
    RecordWriter again;
    WriteDeviceRecord(again, rec);
    EXPECT_LE(again.Data().size(), 55u);
}

TEST(DeviceRecord, DefaultsAreAFreeTcpSlot) {
    const DeviceRecord rec;
    EXPECT_EQ(rec.IpText, "0.0.0.0");
    EXPECT_EQ(rec.DevId, 255);
    EXPECT_EQ(rec.Online, 0);
    EXPECT_EQ(rec.LinkKind, 2);
    EXPECT_EQ(rec.Used, 0);
    EXPECT_EQ(rec.NickName, "no-name");
}

}  // namespace
