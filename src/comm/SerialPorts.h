// The serial port list behind the names "COM1", "COM2", ...: "COMn" is the n-th entry.
#pragma once

#include <string>
#include <vector>

namespace comm {

// The paths of VELOTRIX_COM_PORTS (comma-separated, blanks around each path ignored; an empty
// entry keeps its number but names no device) when that variable is set, else the machine's
// serial devices from /dev.
std::vector<std::string> SerialPortPaths();

// The devices ttyUSB<n>, ttyACM<n>, ttyS<n> in folder dir, in that group order and in
// numeric order within each group, as full paths.
std::vector<std::string> ListSerialDevices(const std::string& dir);

// The number n of a port name "COMn" (decimal digits, no blank, upper case), or 0 when the
// name has another form.
int ComPortNumber(const std::string& name);

}  // namespace comm
