#pragma once

#include <QWidget>

class QLabel;
class QVBoxLayout;

// One page of the main window's page host: a heading and the page's own controls below it.
// Pages whose editors are still to come are shown as this plain page with their title.
class EditorPage : public QWidget {
    Q_OBJECT
public:
    EditorPage(const QString& objectName, const QString& title, QWidget* parent = nullptr);

    QString title() const;
    // Brings the page up to date with the open catalog; the main window's page buttons call it
    // before they show the page.
    virtual void Reload() {}

protected:
    QVBoxLayout* body() const { return body_; }

private:
    QLabel* heading_;
    QVBoxLayout* body_;
};
