#import "installer-pane/mac/EnrollerPane_mac.h"

#include "installer-pane/ui/EnrollerPlugin.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace {

// Installer.app is no Qt program, so the first pane makes the QApplication that widgets need. It is never
// deleted: Qt cannot start twice in one process, and the host may keep the bundle loaded.
void ensureApplication()
{
    if (QCoreApplication::instance() != nullptr)
        return;
    // Leaves the host's menu bar, activation policy and application delegate alone.
    QCoreApplication::setAttribute(Qt::AA_PluginApplication);
    static int argc = 1;
    static char name[] = "Enroller";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv);
}

// A jump to the page (InstallerDirectionUndefined) enters it as a move forward does.
platform::PaneDirection paneDirection(InstallerSectionDirection direction)
{
    return direction == InstallerDirectionBackward ? platform::PaneDirection::Backward
                                                   : platform::PaneDirection::Forward;
}

} // namespace

@implementation EnrollerPane {
    std::unique_ptr<platform::InstallerPane> _pane;
    NSView *_hostView;    // what Installer.app shows, with the page's native view inside
    QWindow *_hostWindow; // _hostView as Qt sees it; deleted before the view is released
}

- (instancetype)initWithSection:(id)parent
{
    self = [super initWithSection:parent];
    if (self == nil)
        return nil;
    ensureApplication();
    _pane = installer::createEnrollerPane({});
    QWidget *page = _pane->contentView();
    const QSize size = page->sizeHint();
    _hostView = [[NSView alloc] initWithFrame:NSMakeRect(0, 0, size.width(), size.height())];
    _hostView.autoresizingMask = NSViewWidthSizable | NSViewHeightSizable;
    // Qt's own way into a foreign view: the page's window becomes a child of a window made from ours.
    _hostWindow = QWindow::fromWinId(reinterpret_cast<WId>((__bridge void *)_hostView));
    (void)page->winId(); // makes the page's own native window, the windowHandle() reparented here
    page->windowHandle()->setParent(_hostWindow);
    page->setGeometry(0, 0, size.width(), size.height());
    page->show();

    __weak EnrollerPane *weakSelf = self;
    QObject::connect(_pane.get(), &platform::InstallerPane::nextEnabledChanged,
                     [weakSelf](bool enabled) { [weakSelf setNextEnabled:enabled]; });
    return self;
}

- (void)dealloc
{
    // The page's window is a child of _hostWindow: the page goes first, then the foreign window.
    _pane.reset();
    delete _hostWindow;
}

- (NSView *)contentView
{
    return _hostView;
}

- (NSString *)title
{
    return _pane->title().toNSString();
}

- (void)willEnterPane:(InstallerSectionDirection)direction
{
    [super willEnterPane:direction];
    _pane->willEnterPane(paneDirection(direction));
}

- (void)didEnterPane:(InstallerSectionDirection)direction
{
    [super didEnterPane:direction];
    // Installer.app has placed the content view by now; the page takes its size.
    const NSRect bounds = _hostView.bounds;
    _pane->contentView()->setGeometry(0, 0, int(NSWidth(bounds)), int(NSHeight(bounds)));
}

@end
