#include "scenes/scene_table.h"

#include "scenes/final/final_scene.h"
#include "scenes/forest/forest_scene.h"
#include "scenes/ocean/ocean_scene.h"
#include "scenes/pyramid/pyramid_scene.h"

const Scene kDemoScenes[kSceneCount] = {
    {"ocean", ocean::init, ocean::frame, ocean::prefetch, ocean::warmUp, 1},
    {"pyramid", pyramid::init, pyramid::frame, pyramid::prefetch, pyramid::warmUp, 1},
    {"forest", forest::init, forest::frame, forest::prefetch, forest::warmUp, 1},
    {"final", finalscene::init, finalscene::frame, finalscene::prefetch, finalscene::warmUp,
     finalscene::kWarmUpLayers},
};
