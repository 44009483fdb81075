jak często
zaległe
