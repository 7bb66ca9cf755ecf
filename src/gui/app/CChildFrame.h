#pragma once

#include <QMdiSubWindow>

#include <functional>
#include <memory>

namespace zelvan {

class CZelvanDoc;
class CZelvanView;

// One project window: owns its document and its view, asks the save
// question before it closes.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT
public:
    using CloseCheck = std::function<bool(CZelvanDoc &)>;

    CChildFrame(std::unique_ptr<CZelvanDoc> doc, CZelvanView *view, CloseCheck closeCheck, QWidget *parent = nullptr);
    ~CChildFrame() override;

    CZelvanDoc &document() const { return *m_doc; }
    CZelvanView *view() const { return m_view; }
    // The question was already answered (exit asks all projects first).
    void setCloseConfirmed(bool confirmed) { m_closeConfirmed = confirmed; }

signals:
    // The window closes: its project was saved, unchanged or discarded.
    void projectClosed(CZelvanDoc &doc);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    std::unique_ptr<CZelvanDoc> m_doc;
    CZelvanView *m_view;
    CloseCheck m_closeCheck;
    bool m_closeConfirmed = false;
};

} // namespace zelvan
