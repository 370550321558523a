#pragma once

#include <QString>

class CEditorView;
class CFF3Doc;
class QWidget;

// Creates an editor view by its class name; nullptr for an unknown name.
CEditorView* createEditorView(const QString& className, CFF3Doc& doc, QWidget* parent);
