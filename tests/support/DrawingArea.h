#pragma once

class MediaEngine;
class QWidget;

// The video window's surface that shows the engine's picture, if one exists.
QWidget* drawingAreaOf(MediaEngine& engine);
