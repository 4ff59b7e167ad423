#include "menubar-app/ui/AboutView.h"

#include "menubar-app/ui/BundleInfo.h"
#include "menubar-app/ui/IconImages.h"
#include "platform/UserCalendar.h"

#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

namespace menubar {

namespace {

QString bundleString(const BundleInfo &bundle, const char *key)
{
    return bundle.stringForKey(QLatin1String(key)).value_or(QLatin1String(AboutView::kMissingValue));
}

QLabel *centredLabel(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

AboutView::AboutView(const BundleInfo &bundle, QWidget *parent)
    : QWidget(parent)
    , m_version(bundleString(bundle, BundleInfo::kVersionKey))
    , m_appName(bundleString(bundle, BundleInfo::kNameKey))
    , m_year(QString::number(platform::currentYearInUserCalendar()))
{
    setFixedSize(kContentSize);
    buildContent();
}

void AboutView::buildContent()
{
    auto *iconLabel = new QLabel(this);
    iconLabel->setObjectName(QStringLiteral("iconImage"));
    iconLabel->setFixedSize(kIconSize);
    iconLabel->setAlignment(Qt::AlignCenter);
    // The application's icon, drawn at this size for a normal and a HiDPI screen: the windows' icon stops at
    // the size of a task switcher's. QIcon::pixmap keeps the aspect ratio and fits inside the requested size.
    iconLabel->setPixmap(iconFromImages(QStringLiteral("AppIcon-About")).pixmap(kIconSize, devicePixelRatioF()));
    iconLabel->setAccessibleName(tr("%1 icon").arg(m_appName)); // a picture says nothing to a screen reader

    QLabel *nameLabel = centredLabel(m_appName, QStringLiteral("appNameLabel"), this);
    QFont headline = nameLabel->font();
    headline.setBold(true);
    headline.setPointSizeF(headline.pointSizeF() + 1);
    nameLabel->setFont(headline);

    QLabel *versionLabel = centredLabel(tr("Version: ") + m_version, QStringLiteral("versionLabel"), this);
    QLabel *copyrightLabel = centredLabel(tr("\u00A9 %1 Kelvane Systems. All rights reserved.").arg(m_year),
                                          QStringLiteral("copyrightLabel"), this);
    copyrightLabel->setWordWrap(true);
    QFont caption = versionLabel->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    versionLabel->setFont(caption);
    copyrightLabel->setFont(caption);

    auto *stack = new QVBoxLayout(this);
    stack->setSpacing(kSpacing);
    // The stretches keep the stack centred vertically inside the fixed frame.
    stack->addStretch();
    stack->addWidget(iconLabel, 0, Qt::AlignHCenter);
    stack->addWidget(nameLabel);
    stack->addWidget(versionLabel);
    stack->addWidget(copyrightLabel);
    stack->addStretch();
}

} // namespace menubar
