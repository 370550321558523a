#pragma once

#include "rom/recordref.h"

#include <QMetaType>

namespace tessel {

// What a workspace tree item opens: the editor of its subject, at it.
// Folder items open nothing.
struct WorkspaceItem {
    RecordRef subject;

    bool opensSomething() const { return subject.isValid(); }
};

}  // namespace tessel

Q_DECLARE_METATYPE(tessel::WorkspaceItem)
