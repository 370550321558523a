#pragma once

#include "text/dialoguescript.h"
#include "text/dialoguesearch.h"
#include "document/documentchange.h"
#include "uikit/ceditorview.h"

class QLabel;
class QListView;
class QModelIndex;
class QPushButton;
class QScrollArea;

namespace tessel {

class CFindReplaceSheet;
class CPageStrip;
class CScriptEdit;
class CReferencesList;
class DialogueListModel;

// "Standard Dialogue": every message in a list (number and a one-line
// preview in the game's dialogue font), the pages of the selected message as
// the game's window shows them, and its script text to edit and apply.
// Applying, replacing and importing are commands on the document's stack;
// the view follows the document.
class CDialogueView : public CEditorView {
    Q_OBJECT

public:
    // Control ids of the form, kept as object names.
    enum ControlId { kMessageListId = 1000, kPageStripId = 1001, kScriptEditId = 1003, kApplyId = 1004 };
    static const char* const kMalformedText;

    explicit CDialogueView(CFF3Doc& doc, QWidget* parent = nullptr);
    ~CDialogueView() override;

    RecordKind subjectKind() const override { return RecordKind::Message; }
    void setSubject(const RecordRef& subject) override;
    QList<QAction*> editActions() override;
    QList<QWidget*> statusWidgets() override;
    // Applies typed text; when it is refused, asks whether to discard it.
    bool commitPendingEdits() override;

    QListView* messageList() const { return list_; }
    DialogueListModel* model() const { return model_; }
    CPageStrip* pageStrip() const { return strip_; }
    CScriptEdit* scriptEdit() const { return edit_; }
    QPushButton* applyButton() const { return apply_; }
    QLabel* spaceMeter() const { return meter_; }
    // Says in the status bar that the edit box holds text not applied yet.
    QLabel* pendingMark() const { return pendingMark_; }
    bool hasPendingEdit() const;
    // "Used by events": the event commands that show the selected message.
    CReferencesList* references() const { return references_; }
    // Created on first use and kept while the view lives.
    CFindReplaceSheet* findSheet();

    // The selected message; -1 when none is.
    int currentMessage() const;
    // Selects a message and shows it (its pages and its text, all selected).
    void selectMessage(int message);

    // Parses the edit box into the selected message, then moves `step`
    // rows (staying put past either end). False when nothing was applied.
    bool apply(int step);

    bool findNext(const SearchOptions& options);
    bool replace(const SearchOptions& options, const QString& replacement);
    int replaceAll(const SearchOptions& options, const QString& replacement);
    bool goTo(const QString& target, bool backward);
    // Selects the next message whose pages do not fit the window.
    bool nextOverflowing();
    // View > "Check With Longest Names": the marks and F8 count every
    // character name as the widest the font can draw and the item, spell
    // and number as their longest (on by default).
    void setLongestNames(bool on);
    bool longestNames() const;

private:
    void buildActions();
    void currentChanged(const QModelIndex& current, const QModelIndex& previous);
    void showSelected();
    // Says why the text of `message` is refused and puts the caret there.
    void showRefusal(int message, const ScriptError& error);
    void placeCaret(const ScriptError& error);
    void updatePendingMark();
    void showMessageText(int message);
    void textEdited();
    void documentChanged(const DocumentChange& change);
    void updateSpaceMeter();
    void report(const QString& text);
    // A message's text as the edit box has it: the box's own text for the
    // message it shows, the stored script text for the others.
    QString boxText(int message) const;
    QString scriptTextOf(int message) const;

    QListView* list_;
    DialogueListModel* model_;
    CPageStrip* strip_;
    QScrollArea* stripArea_;
    CScriptEdit* edit_;
    QPushButton* apply_;
    CReferencesList* references_;
    QLabel* meter_;
    QLabel* pendingMark_;
    CFindReplaceSheet* sheet_ = nullptr;
    QList<QAction*> actions_;
    int shown_ = -1;             // the message in the edit box
    QString shownText_;          // its text as shown, before any typing
    bool showing_ = false;       // the box is being filled, not typed into
    bool meterPending_ = false;
    bool restoringSelection_ = false;  // a selection change is being taken back
};

}  // namespace tessel
