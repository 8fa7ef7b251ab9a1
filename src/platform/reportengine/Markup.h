#pragma once

#include <QList>
#include <QString>
#include <functional>
#include <memory>

// The placeholder language of a template's header, body and footer: HTML with {...} forms.
namespace markup {

struct Node;
using Nodes = QList<std::shared_ptr<const Node>>;

enum class Kind {
    Text,      // literal HTML
    Value,     // {Field}, {Query.Field}, {param:Name}, {sum:Field}, {count:Query} ...
    Each,      // {each Query} ... {/each}: once per row
    None,      // {none Query} ... {/none}: only when the query has no rows
    Group,     // {group Field} ... {/group}: where Field (or an outer group) changes
    GroupEnd,  // {groupend Field} ... {/groupend}: where that group ends
    Subreport, // {subreport Name}
};

enum class ValueKind { Field, Parameter, Sum, Count };

struct Node {
    Kind kind = Kind::Text;
    QString text; // Text: the HTML
    ValueKind valueKind = ValueKind::Field;
    QString query;  // Each/None: the query; Value: "Query." prefix if given
    QString name;   // Value: field or parameter; Group/GroupEnd: field; Subreport: name
    QString format; // Value: "money", "number", "int", "date", "time", "datetime", "upper", ""
    Nodes children;
};

// Splits text into nodes. A {...} that is not one of the forms stays literal text (CSS rules,
// for instance); a known form used wrongly, or an unbalanced section, throws ReportError.
Nodes parse(const QString& text, const QString& where);

// Every node of the tree, depth first, for checks against the template's declarations.
void walk(const Nodes& nodes, const std::function<void(const Node&, int eachDepth)>& visit,
          int eachDepth = 0);

} // namespace markup
