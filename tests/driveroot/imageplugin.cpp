// An image reader keyed for the formats of the programs' pictures, which Qt looks for when it
// first reads one.

#include "markerplugin.h"

class ImageMarker : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QImageIOHandlerFactoryInterface" FILE "imageformat.json")
};

#include "imageplugin.moc"
