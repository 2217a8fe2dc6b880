// SPDX-FileCopyrightText: 2026 Das Acht-Damen-Team
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QGroupBox>
#include <QPixmap>

// A group box that keeps its rendered frame. The step counter inside it
// changes at every search step, and each change would otherwise have the
// style draw the whole frame and its title again behind the counter.
class CachedGroupBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit CachedGroupBox(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_cache;
    QString m_cacheKey;
};
