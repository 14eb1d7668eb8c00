#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-3-Clause
# Renders the sky view pictures of docs/images from the default sky and the scripts the dialogs
# would send, with the tests' pinned fonts, as the sky over Tokyo at fixed instants.
# Usage: desktop/sky/tools/previews.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/../../.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target zem_skypreview >/dev/null
preview() {
  QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE="$root/desktop/tests/fonts.conf" XDG_CACHE_HOME="$build/desktop/sky/cache" \
    "$build/desktop/sky/zem_skypreview" "$root/docs/images/$1" --size 960x600 "${@:2}"
}
winter=2022-01-15T21:00:00+09:00 spring=2022-04-15T21:00:00+09:00 summer=2022-08-01T21:00:00+09:00
spring_preset=""
for n in $(seq 1 88); do
  case " 8 9 13 14 15 21 22 24 32 37 39 45 52 74 84 38 87 " in
    *" $n "*) spring_preset+="Constellation.No$n.Selection = TRUE;" ;;
    *) spring_preset+="Constellation.No$n.Selection = FALSE;" ;;
  esac
done

# The default sky as the desktop opens on it: the south over Tokyo on a winter evening.
preview sky-horizon.png --at $winter --horizontal 180 35 90
# The whole sky overhead, with the alt-azimuth grid.
preview sky-allsky.png --size 960x720 --at $winter --horizontal 180 90 180 --grid altaz
# The star chart, as "View.Coordinate" other than Horizon gives it, with the equatorial grid.
preview sky-chart.png --view 84 8 95 --grid equatorial --script "View.Coordinate = Equatorial"
# Constellation dialog: the spring preset, with boundaries and Latin names, high in the south.
preview sky-spring-preset.png --at $spring --horizontal 180 45 110 \
  --script "${spring_preset}Constellation.Boundary.Visible = TRUE;Constellation.EnglishName.Visible = TRUE"
# Milky Way dialog in outline mode; star images in the fantasy style; the summer Milky Way.
preview sky-milkyway-outline.png --at $summer --horizontal 170 40 100 \
  --script "Milkyway.Image.Visible = FALSE;Milkyway.Outline.Visible = TRUE;MagellanicCloud.Image.Visible = FALSE;MagellanicCloud.Outline.Visible = TRUE;Star.Blur.Visible = FALSE;Star.Mirado.Visible = TRUE;Star.custom.visible = FALSE"
# Deep-sky dialog with numbers and magnitudes; a brighter Milky Way; blurred stars; Sagittarius low in the south.
preview sky-deepsky.png --at $summer --horizontal 175 22 55 \
  --script "Milkyway.Image.Brightness = 3.5;MagellanicCloud.Image.Brightness = 0.9;Star.Blur.Visible = TRUE;DeepSkyObject.Number.Visible = TRUE;DeepSkyObject.Magnitude.Visible = TRUE;Star.JapaneseName.MagnitudeLimit.Minimum = 2.0;Star.BayerLetter.Visible = FALSE"
# Star dialog labels: English names, Bayer letters, Flamsteed numbers and magnitudes to 4.0; Orion.
labels="Star.JapaneseName.Visible = FALSE;Star.EnglishName.Visible = TRUE;Star.FlamsteedNumber.Visible = TRUE;Star.Magnitude.Visible = TRUE;Star.Size = 1.5"
for kind in EnglishName BayerLetter FlamsteedNumber Magnitude; do labels+=";Star.$kind.MagnitudeLimit.Minimum = 4.0"; done
preview sky-star-labels.png --at $winter --horizontal 160 50 32 \
  --script "$labels;Constellation.Abbreviation.Visible = TRUE;Constellation.Boundary.Visible = TRUE"
