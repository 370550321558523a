#pragma once

#include <QMetaType>
#include <QString>

// What a workspace tree item opens: a frame of frameClass holding the views
// of groupClass, built from resourceId, about parameter (a world map record
// or a four-character tag). Without a frame or group class it opens nothing.
struct WorkspaceItem {
    QString frameClass;
    QString groupClass;
    quint32 resourceId = 0;
    quintptr parameter = 0;

    bool opensSomething() const { return !frameClass.isEmpty() && !groupClass.isEmpty(); }
};

Q_DECLARE_METATYPE(WorkspaceItem)
