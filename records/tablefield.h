#pragma once

#include "records/property.h"

#include <QString>

namespace tessel {

// One field a record table offers as a column: the group and field names of
// the table files, a short title where the label is long ("Price" for
// "Cost in GP"), and the property as the first record having it shows it
// (its kind, choices, names and range). Records of different types have
// different fields: a record may lack it.
struct TableField {
    QString group;
    QString key;
    QString header;
    Property sample;

    // "General/Cost in GP", as in table files.
    QString path() const { return group + QLatin1Char('/') + key; }
    // The column title: the short one, else the label.
    QString title() const { return header.isEmpty() ? key : header; }
    // The record's property for this field, or null when it lacks it.
    const Property* findIn(const PropertyList& record) const;
};

}  // namespace tessel
