#include "records/recordfilter.h"

#include <QCoreApplication>

#include <algorithm>

namespace tessel {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("RecordFilter", text);
}

struct Token {
    QString text;
    bool quoted = false;
    bool isOperator() const { return !quoted && !text.isEmpty() && QStringLiteral("=!<>").contains(text[0]); }
};

bool isOperatorChar(QChar c)
{
    return c == QLatin1Char('=') || c == QLatin1Char('!') || c == QLatin1Char('<') || c == QLatin1Char('>');
}

// Words, quoted texts and operators; an operator needs no spaces around it.
std::optional<std::vector<Token>> tokenize(const QString& text, QString* error)
{
    std::vector<Token> tokens;
    int i = 0;
    while (i < text.size()) {
        const QChar c = text[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == QLatin1Char('"')) {
            const int close = text.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0) {
                *error = tr("%1: the quote is not closed").arg(text.mid(i));
                return std::nullopt;
            }
            tokens.push_back({text.mid(i + 1, close - i - 1), true});
            i = close + 1;
        } else if (isOperatorChar(c)) {
            int end = i + 1;
            while (end < text.size() && isOperatorChar(text[end]))
                ++end;
            tokens.push_back({text.mid(i, end - i), false});
            i = end;
        } else {
            int end = i + 1;
            while (end < text.size() && !text[end].isSpace() && !isOperatorChar(text[end]) &&
                   text[end] != QLatin1Char('"'))
                ++end;
            tokens.push_back({text.mid(i, end - i), false});
            i = end;
        }
    }
    return tokens;
}

bool sameText(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool startsWith(const QString& text, const QString& start)
{
    return text.startsWith(start, Qt::CaseInsensitive);
}

// The fields a name may mean: an exact "Group/Field", else an exact label
// or title, else the fields whose label or title starts with it, else
// those whose "Group/Field" does.
std::vector<const TableField*> fieldsNamed(const QString& name, const std::vector<TableField>& fields)
{
    using Test = bool (*)(const TableField&, const QString&);
    const Test stages[] = {
        [](const TableField& f, const QString& n) { return sameText(f.path(), n); },
        [](const TableField& f, const QString& n) { return sameText(f.key, n) || sameText(f.title(), n); },
        [](const TableField& f, const QString& n) { return startsWith(f.key, n) || startsWith(f.title(), n); },
        [](const TableField& f, const QString& n) { return startsWith(f.path(), n); },
    };
    for (Test test : stages) {
        std::vector<const TableField*> found;
        for (const TableField& f : fields)
            if (test(f, name))
                found.push_back(&f);
        if (!found.empty())
            return found;
    }
    return {};
}

// Up to five of the texts, then "...".
QString someOf(const QStringList& texts)
{
    constexpr int kShown = 5;
    QString list = QStringList(texts.mid(0, kShown)).join(QStringLiteral(", "));
    if (texts.size() > kShown)
        list += QStringLiteral(", ...");
    return list;
}

bool isOrdering(const QString& op)
{
    return op != QLatin1String("=") && op != QLatin1String("!=");
}

}  // namespace

// Turns the tokens into terms, a message for each bad one.
class FilterParser {
public:
    FilterParser(const std::vector<TableField>& fields) : fields_(fields) {}

    bool parse(const std::vector<Token>& tokens, RecordFilter* filter)
    {
        std::size_t i = 0;
        while (i < tokens.size()) {
            if (tokens[i].isOperator()) {
                fail(tokens[i].text, tr("no field before %1").arg(tokens[i].text));
                ++i;
            } else if (i + 1 < tokens.size() && tokens[i + 1].isOperator()) {
                const Token& field = tokens[i];
                const Token& op = tokens[i + 1];
                if (i + 2 >= tokens.size() || tokens[i + 2].isOperator()) {
                    fail(field.text + QLatin1Char(' ') + op.text, tr("no value after %1").arg(op.text));
                    i += 2;
                    continue;
                }
                const Token& value = tokens[i + 2];
                addComparison(field.text, op.text, value.text,
                              QStringList{field.text, op.text, value.text}.join(QLatin1Char(' ')),
                              filter);
                i += 3;
            } else {
                RecordFilter::Term word;
                word.text = tokens[i].text;
                filter->terms_.push_back(word);
                ++i;
            }
        }
        return errors_.isEmpty();
    }

    QString errors() const { return errors_.join(QLatin1Char('\n')); }

private:
    void fail(const QString& term, const QString& why)
    {
        errors_.append(QStringLiteral("\"%1\": %2").arg(term, why));
    }

    void addComparison(const QString& name, const QString& opText, const QString& value, const QString& term,
                       RecordFilter* filter)
    {
        static const QStringList kOps = {QStringLiteral("="),  QStringLiteral("!="), QStringLiteral("<"),
                                         QStringLiteral("<="), QStringLiteral(">"),  QStringLiteral(">=")};
        const qsizetype opIndex = kOps.indexOf(opText);
        if (opIndex < 0) {
            fail(term, tr("%1 is not one of = != < <= > >=").arg(opText));
            return;
        }
        RecordFilter::Term t;
        t.op = RecordFilter::Op(opIndex);

        const std::vector<const TableField*> found = fieldsNamed(name, fields_);
        if (found.empty()) {
            fail(term, tr("no field is named %1").arg(name));
            return;
        }
        const TableField* field = found.front();
        QString shownValue = value;
        if (found.size() > 1) {
            // A name every flag of one group shares picks one by its label.
            const bool flagGroup = std::all_of(found.begin(), found.end(), [&](const TableField* f) {
                return f->sample.kind == PropertyKind::Flag && f->group == found.front()->group;
            });
            if (!flagGroup) {
                QStringList paths;
                for (const TableField* f : found)
                    paths.append(f->path());
                fail(term, tr("%1 could be %2").arg(name, someOf(paths)));
                return;
            }
            if (isOrdering(opText)) {
                fail(term, tr("%1 is a group of flags: use = or != and the name of one").arg(found.front()->group));
                return;
            }
            const auto flag = std::find_if(found.begin(), found.end(),
                                           [&](const TableField* f) { return sameText(f->key, value); });
            if (flag == found.end()) {
                QStringList keys;
                for (const TableField* f : found)
                    keys.append(f->key);
                fail(term, tr("%1 has no flag %2; it has %3").arg(found.front()->group, value, someOf(keys)));
                return;
            }
            field = *flag;
            shownValue = QStringLiteral("true");
        }
        t.field = *field;
        if (readValue(*field, opText, shownValue, term, &t))
            filter->terms_.push_back(t);
    }

    bool readValue(const TableField& field, const QString& op, const QString& value, const QString& term,
                   RecordFilter::Term* t)
    {
        bool isNumber = false;
        const qint64 number = value.toLongLong(&isNumber);
        const Property& p = field.sample;
        switch (p.kind) {
        case PropertyKind::Number:
            if (!isNumber) {
                fail(term, tr("%1 takes a number").arg(field.title()));
                return false;
            }
            t->number = number;
            return true;
        case PropertyKind::Flag:
            if (sameText(value, QStringLiteral("true")) || value == QLatin1String("1"))
                t->number = 1;
            else if (sameText(value, QStringLiteral("false")) || value == QLatin1String("0"))
                t->number = 0;
            else {
                fail(term, tr("%1 is a flag: give true or false").arg(field.title()));
                return false;
            }
            return true;
        case PropertyKind::Choice:
            return readChoice(field, op, value, term, isNumber, number, t);
        case PropertyKind::NameChoice:
            if (isNumber) {
                t->number = number;
                return true;
            }
            return readText(field, op, value, term, nameExists(p, value), t);
        case PropertyKind::GameText:
            return readText(field, op, value, term, true, t);
        }
        return false;
    }

    bool readChoice(const TableField& field, const QString& op, const QString& value, const QString& term,
                    bool isNumber, qint64 number, RecordFilter::Term* t)
    {
        if (isNumber) {
            t->number = number;
            return true;
        }
        QStringList texts;
        std::vector<int> values;
        if (field.sample.choices)
            for (const ChoiceTable::Row& row : field.sample.choices->rows()) {
                texts.append(shownRecordText(row.text));
                if (sameText(row.text, value) || sameText(shownRecordText(row.text), value))
                    values.push_back(row.value);
            }
        if (values.empty()) {
            fail(term, tr("%1 has no choice %2; it has %3").arg(field.title(), value, someOf(texts)));
            return false;
        }
        // Ordered comparisons go by the stored value, which a text shown for
        // several values does not give.
        if (isOrdering(op)) {
            if (values.size() > 1) {
                fail(term, tr("%1 stands for several values: give a number").arg(value));
                return false;
            }
            t->number = values.front();
            return true;
        }
        t->text = value;
        return true;
    }

    static bool nameExists(const Property& p, const QString& text)
    {
        if (p.noneAllowed && sameText(text, QCoreApplication::translate("RecordProperties", "None")))
            return true;
        if (p.names)
            for (int i = 0; i < p.names->count(); ++i)
                if (sameText(p.names->text(i), text))
                    return true;
        return false;
    }

    bool readText(const TableField& field, const QString& op, const QString& value, const QString& term,
                  bool known, RecordFilter::Term* t)
    {
        if (isOrdering(op)) {
            fail(term, tr("%1 is a name: use = or !=").arg(field.title()));
            return false;
        }
        if (!known) {
            fail(term, tr("%1 is no name %2 offers").arg(value, field.title()));
            return false;
        }
        t->text = value;
        return true;
    }

    const std::vector<TableField>& fields_;
    QStringList errors_;
};

std::optional<RecordFilter> RecordFilter::parse(const QString& text, const std::vector<TableField>& fields,
                                                QString* error)
{
    const std::optional<std::vector<Token>> tokens = tokenize(text, error);
    if (!tokens)
        return std::nullopt;
    RecordFilter filter;
    FilterParser parser(fields);
    if (!parser.parse(*tokens, &filter)) {
        *error = parser.errors();
        return std::nullopt;
    }
    return filter;
}

bool RecordFilter::compare(qint64 a, Op op, qint64 b)
{
    switch (op) {
    case Op::Equal: return a == b;
    case Op::NotEqual: return a != b;
    case Op::Less: return a < b;
    case Op::LessEqual: return a <= b;
    case Op::Greater: return a > b;
    case Op::GreaterEqual: return a >= b;
    }
    return false;
}

bool RecordFilter::passes(const Term& term, const PropertyList& record)
{
    if (!term.field) {
        for (const PropertyGroup& g : record.groups)
            for (const Property& p : g.properties)
                if (p.displayText().contains(term.text, Qt::CaseInsensitive))
                    return true;
        return false;
    }
    const Property* p = term.field->findIn(record);
    if (!p)
        return false;
    if (term.number)
        return compare(qint64(p->value), term.op, *term.number);
    QString shown = p->displayText();
    if (p->kind == PropertyKind::Choice) {
        // The choice's own text, without the number some lists put before it.
        const ChoiceTable::Row* row = p->choices ? p->choices->find(int(p->value)) : nullptr;
        const bool same = row && (sameText(row->text, term.text) || sameText(shownRecordText(row->text), term.text));
        return same == (term.op == Op::Equal);
    }
    return sameText(shown, term.text) == (term.op == Op::Equal);
}

bool RecordFilter::matches(const PropertyList& record) const
{
    return std::all_of(terms_.begin(), terms_.end(), [&](const Term& t) { return passes(t, record); });
}

}  // namespace tessel
