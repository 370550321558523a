#pragma once

#include "rom/romaddress.h"

#include <QString>

namespace tessel {

// "$CA:1234": an SNES address as messages and reports write it.
QString snesAddressText(SnesAddress address);

}  // namespace tessel
