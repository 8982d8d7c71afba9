// SPDX-FileCopyrightText: 2026 Velkor Player developers
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "VariateurPlugin.h"

#include "VariateurTaskMenu.h"

#include <sarv/ColorRoutines.h>
#include <sarv/FaceRenderer.h>
#include <sarv/Library.h>
#include <sarv/Variateur.h>

#include <QIcon>
#include <QPixmap>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QExtensionManager>

namespace {

// The widget box picture: a small face of a newly placed slider, halfway.
QIcon toolboxIcon()
{
    sarv::FaceState state;
    state.borderColorUp = sarv::RGB(200, 200, 200);
    state.borderColorDown = sarv::RGB(127, 127, 127);
    state.foreColorMin1 = sarv::RGB(0, 255, 0);
    state.foreColorMax1 = sarv::RGB(255, 0, 0);
    state.max = 10;
    state.value = 5;
    state.buttonWidth = sarv::Variateur::Small;
    state.border = true;
    QImage face(22, 15, QImage::Format_RGB32);
    sarv::renderFace(face, state);
    return QIcon(QPixmap::fromImage(face));
}

} // namespace

VariateurPlugin::VariateurPlugin(QObject* parent)
    : QObject(parent)
{
}

QString VariateurPlugin::name() const
{
    return QStringLiteral("sarv::Variateur");
}

QString VariateurPlugin::group() const
{
    return QStringLiteral("Sarv");
}

QString VariateurPlugin::toolTip() const
{
    return QStringLiteral("Variateur (%1)").arg(sarv::libraryDescription());
}

QString VariateurPlugin::whatsThis() const
{
    return QStringLiteral("Curseur horizontal de la bibliothèque %1 : un dégradé qui suit la "
                          "valeur, une bordure 3D et un bouton ombré.")
        .arg(sarv::libraryName());
}

QString VariateurPlugin::includeFile() const
{
    return QStringLiteral("sarv/Variateur.h");
}

QIcon VariateurPlugin::icon() const
{
    return toolboxIcon();
}

bool VariateurPlugin::isContainer() const
{
    return false;
}

QWidget* VariateurPlugin::createWidget(QWidget* parent)
{
    auto* slider = new sarv::Variateur(parent);
    slider->InitProperties();
    return slider;
}

bool VariateurPlugin::isInitialized() const
{
    return m_initialized;
}

void VariateurPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (m_initialized)
        return;
    if (QExtensionManager* manager = core ? core->extensionManager() : nullptr) {
        manager->registerExtensions(new VariateurTaskMenuFactory(manager),
                                    Q_TYPEID(QDesignerTaskMenuExtension));
    }
    m_initialized = true;
}

// The properties a newly placed control gets that differ from a bare
// Variateur, so that the form stores them.
QString VariateurPlugin::domXml() const
{
    return QStringLiteral(R"(<ui language="c++">
 <widget class="sarv::Variateur" name="variateur">
  <property name="geometry"><rect><x>0</x><y>0</y><width>160</width><height>20</height></rect></property>
  <property name="BorderColorUp"><UInt>%1</UInt></property>
  <property name="BorderColorDown"><UInt>%2</UInt></property>
  <property name="ForeColorMin1"><UInt>%3</UInt></property>
  <property name="ForeColorMax1"><UInt>%4</UInt></property>
  <property name="Max"><number>10</number></property>
  <property name="ButtonWidth"><enum>sarv::Variateur::Normal</enum></property>
 </widget>
</ui>
)")
        .arg(sarv::RGB(200, 200, 200))
        .arg(sarv::RGB(127, 127, 127))
        .arg(sarv::RGB(0, 255, 0))
        .arg(sarv::RGB(255, 0, 0));
}

SarvDesignerPlugins::SarvDesignerPlugins(QObject* parent)
    : QObject(parent)
    , m_widgets { new VariateurPlugin(this) }
{
}

QList<QDesignerCustomWidgetInterface*> SarvDesignerPlugins::customWidgets() const
{
    return m_widgets;
}
