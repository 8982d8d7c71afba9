#include <sarv/ControlFactory.h>

#include <sarv/Variateur.h>

namespace sarv {

QWidget* createControl(const QString& className, QWidget* parent, QString* error)
{
    if (className.compare(QLatin1String("Sarv.Variateur"), Qt::CaseInsensitive) == 0)
        return new Variateur(parent);
    if (error)
        *error = QStringLiteral("La classe de contrôle « %1 » est inconnue de la bibliothèque "
                                "Sarv (classe disponible : Sarv.Variateur).")
                     .arg(className);
    return nullptr;
}

} // namespace sarv
