#pragma once

#include <QTabWidget>

namespace tessel {

class CFF3Doc;
class CMonsterAbilitiesPage;
class CMonsterStatsPage;
class CPropertyBinder;

// The two pages of the monster editor, "Statistics" and "Items/Abilities",
// both showing the binder's monster.
class CMonsterEditSheet : public QTabWidget {
    Q_OBJECT

public:
    CMonsterEditSheet(CFF3Doc& doc, CPropertyBinder& binder, QWidget* parent = nullptr);

    CMonsterStatsPage* statsPage() const { return stats_; }
    CMonsterAbilitiesPage* abilitiesPage() const { return abilities_; }

private:
    CMonsterStatsPage* stats_;
    CMonsterAbilitiesPage* abilities_;
};

}  // namespace tessel
