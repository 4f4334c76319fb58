#include "graphics/svg/KestGraphicsSVGStyleSheet.h"

#include "graphics/svg/KestGraphicsSVGDeclarations.h"
#include "graphics/svg/KestGraphicsSVGElement.h"

namespace {

QString WithoutComments(QStringView text)
{
    QString out;
    out.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1String("/*"), pos);
        if (open < 0) {
            out += text.mid(pos);
            break;
        }
        out += text.mid(pos, open - pos);
        const qsizetype close = text.indexOf(QLatin1String("*/"), open + 2);
        if (close < 0)
            break;
        pos = close + 2;
    }
    return out;
}

}

QString TKestGraphicsSVGStyleSheet::ClassOf(QStringView selector)
{
    selector = selector.trimmed();
    const qsizetype dot = selector.lastIndexOf(u'.');
    if (dot < 0)
        return QString();
    return selector.mid(dot + 1).trimmed().toString();
}

std::vector<std::pair<QString, QString>> TKestGraphicsSVGStyleSheet::Blocks(QStringView source)
{
    std::vector<std::pair<QString, QString>> blocks;
    const QString text = WithoutComments(source);
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'{', pos);
        if (open < 0)
            break;
        const qsizetype close = text.indexOf(u'}', open + 1);
        if (close < 0)
            break;
        blocks.emplace_back(text.mid(pos, open - pos), text.mid(open + 1, close - open - 1));
        pos = close + 1;
    }
    return blocks;
}

TKestGraphicsSVGElementList TKestGraphicsSVGStyleSheet::Parse(QStringView source)
{
    TKestGraphicsSVGElementList rules;
    for (const auto& [selectors, declarations] : Blocks(source)) {
        for (QStringView selector : QStringView(selectors).split(u',')) {
            const QString name = ClassOf(selector);
            if (name.isEmpty())
                continue;
            auto rule = std::make_unique<TKestGraphicsSVGElement>();
            rule->FType = etStyle;
            rule->FClassRefID = name;
            TKestGraphicsSVGDeclarations::ApplyList(*rule, declarations);
            // A rule names its class; a "class" among its declarations does not rename it.
            rule->FClassRefID = name;
            rules.push_back(std::move(rule));
        }
    }
    return rules;
}
