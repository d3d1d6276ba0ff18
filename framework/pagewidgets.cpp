#include "pagewidgets.h"

#include "colorstatic.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>

QString UiText(std::string_view text)
{
    const QByteArray utf8(text.data(), qsizetype(text.size()));
    return QCoreApplication::translate("Calculator", utf8.constData());
}

QString ObjectNameOf(const QString& label)
{
    QString name;
    bool upper = false;
    for (const QChar c : label) {
        if (!c.isLetterOrNumber()) {
            upper = !name.isEmpty();
            continue;
        }
        name += upper ? c.toUpper() : name.isEmpty() ? c.toLower() : c;
        upper = false;
    }
    return name;
}

QLayout* Centred(QLayout* inner)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addLayout(inner);
    row->addStretch();
    return row;
}

QLabel* MakeHeading(const QString& text, QWidget* parent)
{
    auto* heading = new QLabel(text, parent);
    heading->setObjectName(QStringLiteral("heading"));
    QFont font = heading->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.4);
    heading->setFont(font);
    heading->setAlignment(Qt::AlignCenter);
    return heading;
}

QLineEdit* MakeResultDisplay(QWidget* parent, const QString& name, bool coloured)
{
    QLineEdit* display = coloured ? new ColorStatic(parent) : new QLineEdit(parent);
    display->setObjectName(ObjectNameOf(name));
    display->setReadOnly(true);
    display->setAccessibleName(name);
    return display;
}
