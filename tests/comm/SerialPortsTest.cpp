#include <gtest/gtest.h>
#include <stdlib.h>

#include <fstream>
#include <string>
#include <vector>

#include "comm/SerialPorts.h"
#include "support/TempDir.h"

namespace {

using Paths = std::vector<std::string>;

TEST(SerialPorts, MachineDevicesComeByGroupInNumericOrder) {
    testsupport::TempDir dir;
    for (const char* name : {"ttyS10", "ttyS2", "ttyACM1", "ttyUSB11", "ttyUSB2", "ttyACM0",
                             "ttyS1x", "ttyUSB", "tty0", "ttyS0", "console"}) {
        std::ofstream(dir.File(name)).put('x');
    }
    const std::string d = dir.Path();
    EXPECT_EQ(comm::ListSerialDevices(d),
              (Paths{d + "/ttyUSB2", d + "/ttyUSB11", d + "/ttyACM0", d + "/ttyACM1", d + "/ttyS0",
                     d + "/ttyS2", d + "/ttyS10"}));
    EXPECT_TRUE(comm::ListSerialDevices(dir.File("missing")).empty());
}

TEST(SerialPorts, EnvironmentListKeepsPositions) {
    setenv("VELOTRIX_COM_PORTS", " /dev/a ,/dev/b,, /dev/c", 1);
    EXPECT_EQ(comm::SerialPortPaths(), (Paths{"/dev/a", "/dev/b", "", "/dev/c"}));
    setenv("VELOTRIX_COM_PORTS", "/dev/only", 1);
    EXPECT_EQ(comm::SerialPortPaths(), Paths{"/dev/only"});
    unsetenv("VELOTRIX_COM_PORTS");
}

TEST(SerialPorts, PortNamesAreComAndADecimalNumber) {
    EXPECT_EQ(comm::ComPortNumber("COM1"), 1);
    EXPECT_EQ(comm::ComPortNumber("COM32"), 32);
    EXPECT_EQ(comm::ComPortNumber("COM007"), 7);
    for (const char* bad :
         {"COM", "COM 1", "com1", "COM-1", "COM1 ", "COM1a", "LPT1", "", "COM99999999999"}) {
        EXPECT_EQ(comm::ComPortNumber(bad), 0) << bad;
    }
}

}  // namespace
