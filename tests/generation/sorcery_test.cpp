// Tests of the sorcery stage: filled in with the stage.
