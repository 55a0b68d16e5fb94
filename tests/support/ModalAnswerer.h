#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <deque>
#include <functional>

namespace lindquay::test {

// Answers the modal boxes that the code under test opens, in order: each answer is a
// function given the box, which presses one of its buttons. Records what each box said.
class ModalAnswerer {
public:
    using Answer = std::function<void(QDialog&)>;

    ModalAnswerer() {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    void then(Answer answer) { m_answers.push_back(std::move(answer)); }

    static Answer press(QMessageBox::StandardButton which) {
        return [which](QDialog& dialog) {
            if (auto* box = qobject_cast<QMessageBox*>(&dialog)) {
                box->button(which)->click();
            }
        };
    }

    // "title|text|button captions" of every box answered, in order.
    const QStringList& seen() const { return m_seen; }

private:
    void poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || m_answers.empty() || dialog == m_lastAnswered) {
            return;
        }
        m_lastAnswered = dialog;
        QString record = dialog->windowTitle();
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            record += QLatin1Char('|') + box->text() + QLatin1Char('|');
            for (QAbstractButton* button : box->buttons()) {
                record += button->text() + QLatin1Char(' ');
            }
        }
        m_seen.append(record.trimmed());
        Answer answer = std::move(m_answers.front());
        m_answers.pop_front();
        answer(*dialog);
    }

    QTimer m_timer;
    std::deque<Answer> m_answers;
    QStringList m_seen;
    // Boxes often reuse the address of the one before: only a box still alive counts as seen.
    QPointer<QDialog> m_lastAnswered;
};

} // namespace lindquay::test
