#pragma once

// The scene's fixed view of a width x height drawing area: a 20-degree
// perspective with the sheets 5 units away, black clear colour and additive
// blending. Needs a current context; nothing changes it afterwards.
void SetUpSceneView(int width, int height);
