#include "scenes/scene_table.h"

#include "scenes/final/final_scene.h"
#include "scenes/forest/forest_scene.h"
#include "scenes/ocean/ocean_scene.h"
#include "scenes/pyramid/pyramid_scene.h"

const Scene kDemoScenes[kSceneCount] = {
    {"ocean", ocean::init, ocean::frame},
    {"pyramid", pyramid::init, pyramid::frame},
    {"forest", forest::init, forest::frame},
    {"final", finalscene::init, finalscene::frame},
};
