#pragma once

#include "text/dialoguescript.h"

#include <QByteArray>
#include <QString>

#include <gtest/gtest.h>

namespace tessel {

// The bytes of a dialogue script the test knows to be well formed (a
// failure to parse it fails the test).
inline QByteArray parsed(const QString& script)
{
    DialogueMessage message;
    EXPECT_TRUE(ParseDialogue(message, script)) << script.toStdString();
    return message.bytes;
}

}  // namespace tessel
