#pragma once

#include <QCoreApplication>
#include <QWidget>

namespace menubar {

class BundleInfo;

// The About window's content: icon, name, version and copyright, read once when it is made.
class AboutView : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kContentSize{250, 200};
    static constexpr QSize kIconSize{80, 80};
    static constexpr int kSpacing = 8;
    static constexpr const char *kMissingValue = "?";

    explicit AboutView(const BundleInfo &bundle, QWidget *parent = nullptr);

private:
    void buildContent();

    QString m_version;
    QString m_appName;
    QString m_year;
};

} // namespace menubar
