#pragma once

#include "rom/recordref.h"

#include <QMetaType>

// What a workspace tree item opens: the editor of its subject, at it.
// Folder items open nothing.
struct WorkspaceItem {
    RecordRef subject;

    bool opensSomething() const { return subject.isValid(); }
};

Q_DECLARE_METATYPE(WorkspaceItem)
