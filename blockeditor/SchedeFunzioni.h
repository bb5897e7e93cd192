#pragma once
#include <QStringList>
#include <QWidget>

// The palette's tab strip. Nine families do not fit one row of tabs in the
// palette's width, so the tabs stand in rows of three, all in sight at once.
class SchedeFunzioni : public QWidget {
    Q_OBJECT
public:
    explicit SchedeFunzioni(QWidget* parent);
    int addTab(const QString& testo);
    void removeTab(int indice);
    int count() const { return int(m_testi.size()); }
    QString tabText(int indice) const;
    int currentIndex() const { return m_corrente; }
    void setCurrentIndex(int indice);
    QRect tabRect(int indice) const;
    QSize sizeHint() const override;

signals:
    void currentChanged(int indice);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    static constexpr int kColonne = 3;
    QStringList m_testi;
    int m_corrente = -1;
};
