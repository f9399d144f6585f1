#pragma once

#include "flowchart/Commandes.h"

#include <QDialog>

#include <array>
#include <span>

class CParsedEdit;
class QLabel;

// "Modifier la taille...": the component's name, then one or two dimensions,
// each a label and a numeric field; a row without a dimension is hidden.
class CModifTailleDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRows = 2;

    CModifTailleDlg(const QString& title, std::span<const Dimension> dimensions, QWidget* parent);

    // A hidden row reads 0.
    const std::array<int, kRows>& values() const { return m_values; }

    void accept() override;

private:
    std::array<int, kRows> m_values{};
    std::array<QLabel*, kRows> m_labels{};
    std::array<CParsedEdit*, kRows> m_edits{};
};

// "Modifier la taille..." of an arrow: its length, head half-height and head
// length, each beside a picture of what it measures.
class CModifTailleFlecheDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kFields = 3;

    CModifTailleFlecheDlg(int length, int headHalfHeight, int headLength, QWidget* parent);

    int length() const { return m_values[0]; }
    int headHalfHeight() const { return m_values[1]; }
    int headLength() const { return m_values[2]; }

    void accept() override;

private:
    std::array<int, kFields> m_values;
    std::array<CParsedEdit*, kFields> m_edits{};
};
