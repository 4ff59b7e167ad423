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
    // Installer's plug-in service starts us with a clean environment and is no Qt program: the Qt plug-ins
    // (cocoa, the style) are found only in the bundle's own PlugIns, where its deployment put them.
    NSString *plugIns = [NSBundle bundleForClass:[EnrollerPane class]].builtInPlugInsPath;
    if (plugIns != nil)
        QCoreApplication::addLibraryPath(QString::fromNSString(plugIns));
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
    NSView *_contentView; // what Installer.app is given; it places the content view's subviews
    NSView *_hostView;    // the one subview, sized with the content view, with the page's native view inside
    QWindow *_hostWindow; // _hostView as Qt sees it; deleted before the view is released
    id _resizeObserver;
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
    const NSRect frame = NSMakeRect(0, 0, size.width(), size.height());
    _contentView = [[NSView alloc] initWithFrame:frame];
    _hostView = [[NSView alloc] initWithFrame:frame];
    _hostView.autoresizingMask = NSViewWidthSizable | NSViewHeightSizable;
    [_contentView addSubview:_hostView];
    // Qt's own way into a foreign view: the page's window becomes a child of a window made from ours.
    _hostWindow = QWindow::fromWinId(reinterpret_cast<WId>((__bridge void *)_hostView));
    (void)page->winId(); // makes the page's own native window, the windowHandle() reparented here
    page->windowHandle()->setParent(_hostWindow);
    page->setGeometry(0, 0, size.width(), size.height());
    page->show();

    // The page follows the host view, which follows the content view wherever Installer.app sizes it.
    __weak EnrollerPane *weakSelf = self;
    _hostView.postsFrameChangedNotifications = YES;
    _resizeObserver = [[NSNotificationCenter defaultCenter] addObserverForName:NSViewFrameDidChangeNotification
                                                                        object:_hostView
                                                                         queue:nil
                                                                    usingBlock:^(NSNotification *) {
                                                                      [weakSelf fitPage];
                                                                    }];
    QObject::connect(_pane.get(), &platform::InstallerPane::nextEnabledChanged,
                     [weakSelf](bool enabled) { [weakSelf setNextEnabled:enabled]; });
    return self;
}

- (void)dealloc
{
    [[NSNotificationCenter defaultCenter] removeObserver:_resizeObserver];
    // The page's window is a child of _hostWindow: the page goes first, then the foreign window.
    _pane.reset();
    delete _hostWindow;
}

- (NSView *)contentView
{
    return _contentView;
}

- (void)fitPage
{
    const NSRect bounds = _hostView.bounds;
    _pane->contentView()->setGeometry(0, 0, int(NSWidth(bounds)), int(NSHeight(bounds)));
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
    // Installer.app has placed the content view by now; the host view and the page take its size.
    _hostView.frame = _contentView.bounds;
    [self fitPage];
}

@end
