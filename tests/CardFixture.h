#pragma once

#include "TestInstallation.h"
#include "card/FrmFicha.h"
#include "card/RecordCardLayout.h"
#include "core/Installation.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlText.h"
#include "platform/ui/Twips.h"

#include <QLabel>
#include <QMap>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>
#include <memory>

// What the record card's tests share: company rows made and read back, the card shown on one of
// them, and its controls found by name.
namespace CardFixture {

using L = RecordCardLayout;
using Campos = QMap<int, QVariant>;
using Tops = QMap<int, int>;

inline const QString kSelect
    = QStringLiteral("SELECT seleccionada, sector, empresa, actividad, cif, autonomia, "
                     "provincia, poblacion, domicilio, cp, telefono, "
                     "fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, "
                     "superficie, vehiculos, empleados, observaciones, "
                     "empresa_id FROM tbl_empresas");

inline const QStringList kColumnas = {QStringLiteral("seleccionada"), QStringLiteral("sector"),
    QStringLiteral("empresa"), QStringLiteral("actividad"), QStringLiteral("cif"),
    QStringLiteral("autonomia"), QStringLiteral("provincia"), QStringLiteral("poblacion"),
    QStringLiteral("domicilio"), QStringLiteral("cp"), QStringLiteral("telefono"), QStringLiteral("fax"),
    QStringLiteral("email"), QStringLiteral("web"), QStringLiteral("cargo_1"), QStringLiteral("contacto_1"),
    QStringLiteral("cargo_2"), QStringLiteral("contacto_2"), QStringLiteral("superficie"),
    QStringLiteral("vehiculos"), QStringLiteral("empleados"), QStringLiteral("observaciones"),
    QStringLiteral("empresa_id")};

inline Connection& conn()
{
    return gConexion();
}

// A company record with the given fields and every other one NULL.
inline QVariantList registro(const Campos& campos)
{
    QVariantList valores;
    for (int i = 0; i < L::NumCampos; ++i)
        valores.append(i == L::Seleccionada ? QVariant(false) : QVariant());
    for (auto it = campos.cbegin(); it != campos.cend(); ++it)
        valores[it.key()] = it.value();
    return valores;
}

// Where a control stands once placed by its twips on the screen.
inline int enPantalla(int twips)
{
    return Twips::fromPixels(Twips::toPixels(twips));
}

template<class T> T* hijo(QWidget* ficha, const QString& nombre)
{
    T* w = ficha->findChild<T*>(nombre);
    if (!w)
        qWarning("no control %s", qPrintable(nombre));
    return w;
}

// A double click as the window system sends it: a click, then a second press and its release.
inline void dobleClic(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
    QTest::mouseDClick(w, Qt::LeftButton);
    QTest::mouseRelease(w, Qt::LeftButton);
}

inline QLabel* valor(QWidget* ficha, int posicion)
{
    for (const L::Placement& d : L::filas()) {
        if (d.posicion == posicion)
            return hijo<QLabel>(ficha, QString::fromLatin1(d.valor));
    }
    return nullptr;
}

inline QLabel* titulo(QWidget* ficha, int posicion)
{
    return hijo<QLabel>(ficha, QStringLiteral("lblTitulos_%1").arg(posicion));
}

// On the box itself, where a click ticks it.
inline QPoint casilla(QWidget* check)
{
    return QPoint(8, check->height() / 2);
}

inline QString normaliza(QString texto)
{
    return texto.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" "));
}

// A new company with the given fields; its id.
inline qint64 inserta(const Campos& campos)
{
    QStringList columnas;
    QStringList valores;
    for (auto it = campos.cbegin(); it != campos.cend(); ++it) {
        columnas.append(kColumnas.at(it.key()));
        const QVariant& v = it.value();
        if (!v.isValid())
            valores.append(QStringLiteral("NULL"));
        else if (v.typeId() == QMetaType::Bool)
            valores.append(v.toBool() ? QStringLiteral("1") : QStringLiteral("0"));
        else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong)
            valores.append(QString::number(v.toLongLong()));
        else
            valores.append(SqlText::literal(v.toString()));
    }
    conn().execute(QStringLiteral("INSERT INTO tbl_empresas (%1) VALUES (%2)")
                       .arg(columnas.join(QStringLiteral(", ")), valores.join(QStringLiteral(", "))));
    return TestInstallation::scalar(QStringLiteral("SELECT max(id_emp) FROM tbl_empresas")).toLongLong();
}

inline qint64 primerId(const QString& condicion)
{
    const QVariant id = TestInstallation::scalar(
        QStringLiteral("SELECT id_emp FROM tbl_empresas WHERE %1 ORDER BY id_emp LIMIT 1").arg(condicion));
    return id.isValid() ? id.toLongLong() : -1;
}

inline QVariant guardado(qint64 id, int posicion)
{
    return TestInstallation::scalar(
        QStringLiteral("SELECT %1 FROM tbl_empresas WHERE id_emp=%2").arg(kColumnas.at(posicion)).arg(id));
}

// The card of one company, shown.
inline std::unique_ptr<FrmFicha> abre(Recordset& rs, qint64 id)
{
    rs.open(kSelect + QStringLiteral(" WHERE id_emp=%1").arg(id), conn());
    auto ficha = std::make_unique<FrmFicha>();
    ficha->Muestra(&rs, nullptr);
    ficha->show();
    return ficha;
}

// Every row of the card stands where the layout puts it and shows what the layout says.
inline void comparaConDiseno(QWidget* ficha, const L& l)
{
    for (const L::Placement& d : L::filas()) {
        const L::Row& f = l.fila(d.posicion);
        QLabel* v = valor(ficha, d.posicion);
        QLabel* t = titulo(ficha, d.posicion);
        QVERIFY(v && t);
        QCOMPARE(v->isVisibleTo(ficha), f.visible);
        QCOMPARE(t->isVisibleTo(ficha), f.visible);
        if (!f.visible)
            continue;
        QCOMPARE(v->text(), f.texto);
        QCOMPARE(Twips::top(v), enPantalla(f.top));
        QCOMPARE(Twips::top(t), enPantalla(f.top));
        QCOMPARE(Twips::left(v), enPantalla(d.valorLeft));
        QCOMPARE(Twips::left(t), enPantalla(d.tituloLeft));
    }
    auto* contactos = hijo<QLabel>(ficha, QStringLiteral("lblContactos"));
    QCOMPARE(contactos->isVisibleTo(ficha), l.fila(L::Cargo1).visible);
    if (contactos->isVisibleTo(ficha)) {
        QCOMPARE(contactos->text(), l.fila(L::Cargo1).texto);
        QCOMPARE(Twips::top(contactos), enPantalla(l.topContactos()));
    }
    auto* obs = hijo<QPlainTextEdit>(ficha, QStringLiteral("txtObservaciones"));
    QVERIFY(obs->isVisibleTo(ficha));
    QCOMPARE(obs->toPlainText(), l.fila(L::Observaciones).texto);
    QCOMPARE(Twips::top(obs), enPantalla(l.topObservaciones()));
    QCOMPARE(Twips::top(titulo(ficha, L::Observaciones)), enPantalla(l.fila(L::Observaciones).top));
}

// The company's fields as the card reads them.
inline QVariantList valoresDe(qint64 id)
{
    Recordset rs;
    rs.open(kSelect + QStringLiteral(" WHERE id_emp=%1").arg(id), conn());
    QVariantList v;
    for (int i = 0; i < L::NumCampos; ++i)
        v.append(rs.field(i).value());
    return v;
}

} // namespace CardFixture
