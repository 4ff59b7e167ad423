#include "menubar-app/ui/ShowAboutView.h"

#include "menubar-app/ui/AboutView.h"
#include "menubar-app/ui/AboutViewController.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include <memory>

namespace menubar {

namespace {

// A title bar with the close button only, and no way to resize: the content has one fixed size.
constexpr Qt::WindowFlags kAboutWindowFlags =
    Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint;

void centreOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect frame(QPoint(), window.size());
    window.move(screen->availableGeometry().center() - frame.center());
}

} // namespace

void ShowAboutView(const BundleInfo &bundle)
{
    auto window = std::make_unique<QWidget>(nullptr, kAboutWindowFlags);
    window->resize(0, 0);
    // Centred while still empty, before the content gives the window its size.
    centreOnScreen(*window);
    // Closing only hides it; this function keeps the window until its modal loop has ended.
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowModality(Qt::ApplicationModal);

    auto *layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new AboutView(bundle, window.get()));

    QEventLoop modalLoop;
    AboutViewController controller(window.get(), modalLoop);
    window->show();
    modalLoop.exec();
}

} // namespace menubar
