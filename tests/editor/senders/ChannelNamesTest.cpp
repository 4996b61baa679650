// The suffix rule of a stereo pair's names: both names made from the left one.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "app/Wiring.h"
#include "editor/senders/ChannelNames.h"
#include "state/State.h"
#include "ui/HeadlessHost.h"

namespace {

class NameSuffix : public ::testing::Test {
  protected:
    // The pair's names after the rule, from a left and a right name.
    std::pair<std::string, std::string> Suffixed(const std::string& left, const std::string& right,
                                                 bool stereo = true) {
        s->ChName[0][2] = left;
        s->ChName[0][3] = right;
        s->InPairLink[0][1] = stereo;
        ModFun::SetNameSuffixLR(*s, 1);
        return {s->ChName[0][2], s->ChName[0][3]};
    }
    using Names = std::pair<std::string, std::string>;

    ui::HeadlessHost host;
    std::unique_ptr<State> s = NewState(host);
};

TEST_F(NameSuffix, BothNamesComeFromTheLeftOneOfAStereoPair) {
    // Short names gain the suffixes, long ones lose two characters.
    EXPECT_EQ(Suffixed("Voc", "x"), (Names{"Voc-L", "Voc-R"}));
    EXPECT_EQ(Suffixed("Voc   ", "x"), (Names{"Voc-L", "Voc-R"}));
    EXPECT_EQ(Suffixed("Vocal", "x"), (Names{"Voc-L", "Voc-R"}));
    EXPECT_EQ(Suffixed("Guitar", "x"), (Names{"Guit-L", "Guit-R"}));
    EXPECT_EQ(Suffixed("A", "x"), (Names{"A-L", "A-R"}));
    EXPECT_EQ(Suffixed("", "x"), (Names{"-L", "-R"}));
    EXPECT_EQ(Suffixed("      ", "x"), (Names{"-L", "-R"}));
    // A left name with its suffix stays; a pair not in stereo mode keeps its names.
    EXPECT_EQ(Suffixed("Bass-L", "Keys"), (Names{"Bass-L", "Bass-R"}));
    EXPECT_EQ(Suffixed("Voc-L ", "Voc-R "), (Names{"Voc-L", "Voc-R"}));
    EXPECT_EQ(Suffixed("Guitar", "Bass", false), (Names{"Guitar", "Bass"}));
}

TEST_F(NameSuffix, PaddingFillsOrCutsToSixAndWritesTheImage) {
    std::string name = "Sub";
    ModFun::PadName(*s, name, 9);
    EXPECT_EQ(name, "Sub   ");
    name = "Speakers";
    ModFun::PadName(*s, name, 9);
    EXPECT_EQ(name, "Speake");
    EXPECT_EQ(s->DevImage[0].ProgImage[744 + 8 * 8 + 5], 'e');
    EXPECT_EQ(s->DevImage[0].ProgImage[744 + 8 * 8 + 6], 0) << "bytes 6 and 7 are not written";
}

}  // namespace
